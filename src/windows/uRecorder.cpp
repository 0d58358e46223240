#include "windows/uRecorder.h"

#include "app/uQVQt.h"
#include "core/uQVLog.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

TFormRecorder* FormRecorder = nullptr;

namespace {
void LogToRecorder(std::string_view Subject, std::string_view Text) {
  if (FormRecorder) FormRecorder->AddLine(QStr(Subject), QStr(Text));
}
} // namespace

TFormRecorder::TFormRecorder(QWidget* Parent) : QWidget(Parent, Qt::Window) {
  setObjectName("FormRecorder");
  setWindowTitle("FormRecorder");
  resize(870, 640);
  FList = new QTreeWidget(this);
  FList->setObjectName("LV");
  FList->setAccessibleName("LV");
  FList->setColumnCount(3);
  FList->setHeaderLabels({QString(), QString(), QString()});
  FList->setRootIsDecorated(false);
  FList->header()->resizeSection(0, 200);
  auto* panel = new QLabel("Panel1", this);
  panel->setObjectName("Panel1");
  panel->setFixedHeight(41);
  panel->setAlignment(Qt::AlignCenter);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(FList);
  layout->addWidget(panel);
  FormRecorder = this;
  SetLogSink(&LogToRecorder);
}

TFormRecorder::~TFormRecorder() {
  if (FormRecorder == this) {
    SetLogSink(nullptr);
    FormRecorder = nullptr;
  }
}

void TFormRecorder::AddLine(const QString& Subject, const QString& Detail) {
  // The lines are taken and dropped: the window has always stayed empty.
  Q_UNUSED(Subject);
  Q_UNUSED(Detail);
}
