#pragma once
// The document objects: every object has an identifier, an element name, a change flag and an
// owned list of children, and reads itself from and writes itself to an XML element. Lists
// announce every insertion, removal and move through the dispatcher.

#include "model/uQVBaseLayout.h"
#include "model/uQVXML.h"

#include <cstdint>
#include <memory>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

class TQVBaseData;
class TQVBaseList;
class TQVItemList;
class TQVParameterList;
class TQVParameter;
class TQVBaseItem;

// Owns its entries: removing one destroys it with its subtree.
class TDataObjectList {
public:
  using TEntry = std::unique_ptr<TQVBaseData>;
  std::size_t Count() const { return FItems.size(); }
  bool Empty() const { return FItems.empty(); }
  TQVBaseData* Items(std::size_t Index) const { return FItems.at(Index).get(); }
  TQVBaseData* operator[](std::size_t Index) const { return FItems[Index].get(); }
  // Position of Item, or -1.
  std::ptrdiff_t IndexOf(const TQVBaseData* Item) const;
  TQVBaseData* Add(TEntry Item);
  TQVBaseData* InsertAt(std::size_t Index, TEntry Item);
  // Takes the entry out without destroying it.
  TEntry Extract(std::size_t Index);
  void Delete(std::size_t Index);
  void Move(std::size_t From, std::size_t To);
  auto begin() const { return FItems.begin(); }
  auto end() const { return FItems.end(); }
  std::vector<TEntry>& Raw() { return FItems; }
  const std::vector<TEntry>& Raw() const { return FItems; }

private:
  std::vector<TEntry> FItems;
};

// What an object is, known from its construction on so that walks need no casts.
enum TQVKindFlags : std::uint8_t {
  kfList = 1,      // a TQVBaseList
  kfItem = 2,      // a TQVBaseItem
  kfParameter = 4, // a parameter or a parameter list: never found by identifier
  kfNotice = 8,    // a note, the root included
  kfRoot = 16,     // the notes' root
};

class TQVBaseData {
public:
  explicit TQVBaseData(std::uint8_t Kind = 0);
  virtual ~TQVBaseData();
  TQVBaseData(const TQVBaseData&) = delete;
  TQVBaseData& operator=(const TQVBaseData&) = delete;

  bool Modified = false;
  TQVParameterList* ParameterList = nullptr; // cache, the list lives in Children
  const char* TagName = "";
  std::int32_t ID = 0;
  TQVBaseData* Owner = nullptr;
  TQVBaseList* List = nullptr;
  TDataObjectList Children;
  const std::uint8_t Kind;

  bool IsList() const { return Kind & kfList; }
  bool IsItem() const { return Kind & kfItem; }
  bool IsParameterLike() const { return Kind & kfParameter; }
  bool IsNotice() const { return Kind & kfNotice; }

  // Own flag, else any descendant's.
  virtual bool GetModified() const;
  // Sets the flag on this object and its whole subtree.
  virtual void SetModified(bool Value);
  virtual void ReadAttributes(pugi::xml_node Node);
  virtual void WriteAttributes(pugi::xml_node Node);
  // Reads attributes and then the child elements, making objects through the element factory.
  virtual void ReadFromXml(pugi::xml_node Node);
  // Like ReadFromXml; Progress hears the start of every element read, so that the text
  // before it can be given back.
  using TReadProgress = void (*)(void* Context, const char* Position);
  void ReadTree(pugi::xml_node Node, TReadProgress Progress, void* Context);
  // Appends this object's element (with its subtree) under Parent.
  virtual void WriteToXml(pugi::xml_node Parent);

  void CollectIdRange(std::int32_t& MaxID, std::int32_t& MinID) const;
  // First descendant in document order with this identifier; parameters are never found.
  TQVBaseData* FindByID(std::int32_t ID) const;
  TQVBaseData* NextSibling() const;
  std::int32_t NextSiblingID() const;
  std::ptrdiff_t IndexInList() const;
  std::string_view GetTagName() const { return TagName; }

  TQVParameterList* CreateParameterList();
  TQVParameterList* GetParameterList();
  TQVParameter* GetParameter(std::string_view Name);
  // Finds without creating; nullptr when there is none.
  const TQVParameter* FindParameter(std::string_view Name) const;
  // Sets the value, marks this object and its subtree modified, announces the change.
  void SetParameter(std::string_view Name, std::string_view Value);

  void SaveToXmlDocument(pugi::xml_document& Doc);
  std::string SaveToXmlString();

  // Whether this object's own flags (not its children's) say modified.
  virtual bool OwnModified() const { return Modified; }
  virtual void SetOwnModified(bool Value) { Modified = Value; }

protected:
  friend class TQVWritePass;
  // Filled by a write pass: this object or anything below it is modified.
  bool FDeepModified = false;
  // Appends this object's element with its attributes (and layout) under Parent and returns
  // it; the children are written by the caller.
  virtual pugi::xml_node WriteElement(pugi::xml_node Parent);
};

class TQVBaseList : public TQVBaseData {
public:
  explicit TQVBaseList(std::uint8_t Kind = 0)
      : TQVBaseData(static_cast<std::uint8_t>(Kind | kfList)) {}
  // Inserts before Before (appends when Before is nullptr or not in the list) and announces it.
  TQVBaseData* Insert(std::unique_ptr<TQVBaseData> Item, TQVBaseData* Before);
  // Announces the removal, then destroys Item with its subtree. Nothing when Item is absent.
  virtual void Remove(TQVBaseData* Item);
  // Moves Item by Delta places; throws when the target is outside the list.
  void Move(TQVBaseData* Item, int Delta);
};

class TQVItemList : public TQVBaseList {};

// Counts the notes (root included) in Object's subtree, Object included.
std::size_t CountNotices(const TQVBaseData& Object);

class TQVParameterList : public TQVBaseList {
public:
  TQVParameterList();
  TQVParameter* AddParameter(std::string_view Name);
};

class TQVParameter : public TQVBaseData {
public:
  TQVParameter();
  std::string Value;
  std::string Name;

  // Marks the parameter and, unless busy, announces the change, even for the same text.
  void SetValue(std::string_view Text);
  bool GetAsBoolean() const;
  void SetAsBoolean(bool Value);
  TDateTime GetAsDateTime() const;
  void SetAsDateTime(TDateTime Value);

protected:
  pugi::xml_node WriteElement(pugi::xml_node Parent) override;
};

using TQVItemListFactory = std::unique_ptr<TQVItemList> (*)();

class TQVBaseItem : public TQVBaseData {
public:
  explicit TQVBaseItem(std::uint8_t Kind = 0);
  TQVItemList* ChildList = nullptr; // cache, the list lives in Children
  TQVBaseLayout Layout;
  TQVItemListFactory ChildListClass = nullptr;
  TDateTime CreateDate = 0;
  TDateTime ChangeDate = 0;

  bool OwnModified() const override { return Modified || Layout.Modified; }
  void SetOwnModified(bool Value) override {
    Modified = Value;
    Layout.Modified = Value;
  }
  void ReadAttributes(pugi::xml_node Node) override;
  void WriteAttributes(pugi::xml_node Node) override;

  virtual TQVItemList* CreateChildList();
  TQVItemList* GetChildList();
  virtual TQVBaseData* InsertChild(std::unique_ptr<TQVBaseData> Item, TQVBaseData* Before);
  // Makes one item from XML text (the first object below the document element) and inserts it;
  // a single evItemAdded is announced, for the top item.
  virtual TQVBaseItem* InsertChildFromXml(std::string_view XmlText, TQVBaseData* Before);
  virtual TQVBaseItem* CreateChild();
  virtual void RemoveChild(TQVBaseData* Item);
  virtual std::unique_ptr<TQVBaseItem> NewChild();

protected:
  pugi::xml_node WriteElement(pugi::xml_node Parent) override;
};

template <typename T> T* As(TQVBaseData* Object) {
  return dynamic_cast<T*>(Object);
}
template <typename T> const T* As(const TQVBaseData* Object) {
  return dynamic_cast<const T*>(Object);
}
