#pragma once
// The start-up log window: created hidden first of all windows and shown with Shift+F7. It takes
// the log lines of start-up and of the commands; like the program always did, it keeps none.

#include <QWidget>

class QTreeWidget;

class TFormRecorder : public QWidget {
  Q_OBJECT
public:
  explicit TFormRecorder(QWidget* Parent = nullptr);
  ~TFormRecorder() override;
  void AddLine(const QString& Subject, const QString& Detail);
  QTreeWidget* LV() const { return FList; }

private:
  QTreeWidget* FList;
};

// The log window, once it exists.
extern TFormRecorder* FormRecorder;
