#pragma once
// A window position and size that is kept in the settings file and applied to a window.

#include <pugixml.hpp>

// What a window offers to be placed: the front end implements it over its window.
class IWindowBounds {
public:
  virtual ~IWindowBounds() = default;
  // Sets position and size in one step, in pixels.
  virtual void SetBounds(int Left, int Top, int Width, int Height) = 0;
};

class TmyBounds {
public:
  int Top = 0;
  int Left = 0;
  int Width = 0;
  int Height = 0;

  void Init(int Left, int Top, int Width, int Height);
  // A position may be anything (a monitor left of the primary one has negative ones); only
  // the size must be positive.
  bool IsValid() const { return Width > 0 && Height > 0; }
  // Places Window when the bounds are valid; otherwise the window stays as it is.
  void ApplyTo(IWindowBounds& Window) const;

  // Reads the attributes Left, Top, Width and Height of the child Name, but only when that
  // child has a Left attribute. A value that is absent or not an integer keeps its current
  // value; the others are read all the same.
  void ReadFromXml(pugi::xml_node Parent, const char* Name);
  void WriteToXml(pugi::xml_node Parent, const char* Name) const;
};
