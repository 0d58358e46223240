#pragma once
// The notes: a note, its list of sub-notes, the invisible root, the element factory and the
// caption path.

#include "model/uQVBaseData.h"

#include <memory>
#include <string>

inline constexpr const char* NewNoticeCaption = "New Notice";

class TQVNoticeList : public TQVItemList {
public:
  TQVNoticeList();
};

class TQVNotice : public TQVBaseItem {
public:
  TQVNotice();
  std::unique_ptr<TQVBaseItem> NewChild() override;

  // The note's parameters without creating them.
  std::string Caption() const;
  bool IsTask() const;

protected:
  explicit TQVNotice(std::uint8_t Kind);
};

class TQVNoticeRoot : public TQVNotice {
public:
  TQVNoticeRoot();
  // The item most recently selected in a tree view.
  std::int32_t LastID = 0;
  void ReadAttributes(pugi::xml_node Node) override;
  void WriteAttributes(pugi::xml_node Node) override;
};

// The element factory: a new object for a known element name, nullptr otherwise.
std::unique_ptr<TQVBaseData> CreateDataObjectByTag(std::string_view TagName);
// Like CreateDataObjectByTag; a parameter also takes its Name and Value.
std::unique_ptr<TQVBaseData> CreateDataObject(pugi::xml_node Node);

// The captions of Item's ancestor notes below the root, outermost first, joined by "/".
std::string GetCaptionPath(const TQVBaseData& Item);
