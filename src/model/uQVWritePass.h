#pragma once
// A write pass knows, for every object below its top, whether anything in that object's
// subtree is modified: one walk, instead of every item asking its whole subtree again while it
// refreshes its change date. Passes nest; only the outermost one walks.

#include "model/uQVBaseData.h"

class TQVWritePass {
public:
  explicit TQVWritePass(TQVBaseData& Top);
  ~TQVWritePass();
  TQVWritePass(const TQVWritePass&) = delete;
  TQVWritePass& operator=(const TQVWritePass&) = delete;

  static bool Active() { return FActive > 0; }
  // One time stamp for everything a pass writes.
  static TDateTime Now() { return FNow; }
  static bool DeepModified(const TQVBaseData& Object) { return Object.FDeepModified; }
  // Writes Top's element and its subtree below Parent, without recursion.
  static void Write(TQVBaseData& Top, pugi::xml_node Parent);

private:
  static int FActive;
  static TDateTime FNow;
};
