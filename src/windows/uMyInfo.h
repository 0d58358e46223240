#pragma once
// The document information window (Shift+F8): dates and identifiers of the document and of a
// note. Each press opens one more window; closing one frees it.

#include <QWidget>
#include <cstdint>

class QPlainTextEdit;
class TQVNotice;

class TMyInfoForm : public QWidget {
  Q_OBJECT
public:
  TMyInfoForm(TQVNotice* Note, QWidget* Parent);
  QPlainTextEdit* M() const { return FMemo; }

protected:
  void showEvent(QShowEvent* Event) override;

private:
  // The note is found again by identifier when shown: it may have been deleted meanwhile.
  std::int32_t FNoteID;
  QPlainTextEdit* FMemo;
};

// Opens an information window for Note (or for the document alone when there is none).
TMyInfoForm* ShowNoteInfo(TQVNotice* Note, QWidget* Parent);
// Date and time as the window shows them: short date, then the time unless it is midnight.
QString InfoDateText(double Value);
