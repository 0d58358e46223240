#pragma once
// The document object: holds the root of the notes and loads and saves the whole document.

#include "model/uQVNotData.h"

#include <string>

class TQVBaseAllData : public TQVBaseItem {
public:
  // The file last loaded or saved; empty for a document made from the template.
  std::string FileName;
  // The "V" attribute of the file last loaded (not interpreted).
  std::string FormatMark;

  // Loads FileName (a data file; with Compressed false a plain XML export), or the template
  // when FileName is empty. The document is unmodified afterwards. Throws EQVError.
  virtual void LoadFromFile(const std::string& FileName, bool Compressed = true);
  // Saves as a data file (or plain XML). With MakeBackup the previous data file is kept as
  // FileName + ".bak". A failure leaves the old file untouched and the document modified.
  virtual void SaveToFile(const std::string& FileName, bool Compressed, bool MakeBackup = true);
  void SaveToNode(pugi::xml_node Root);
};

class TQVAllData : public TQVBaseAllData {
public:
  TQVAllData();
  TQVNoticeRoot* GetNoticeRoot() const;
  // Gives every item and list below the document object that read no identifier a fresh one,
  // so that no two objects share the identifier 0.
  void AssignMissingIDs();
};
