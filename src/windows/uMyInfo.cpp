#include "windows/uMyInfo.h"

#include "app/uQVQt.h"
#include "core/uGlobals.h"
#include "model/uQVAllData.h"

#include <QLocale>
#include <QPlainTextEdit>
#include <QVBoxLayout>

QString InfoDateText(double Value) {
  const QDateTime moment = ToQDateTime(Value);
  if (!moment.isValid()) return QString();
  const QLocale locale;
  QString text = locale.toString(moment.date(), QLocale::ShortFormat);
  if (moment.time() != QTime(0, 0))
    text += " " + locale.toString(moment.time(), QLocale::LongFormat);
  return text;
}

TMyInfoForm::TMyInfoForm(TQVNotice* Note, QWidget* Parent)
    : QWidget(Parent, Qt::Window), FNoteID(Note ? Note->ID : 0) {
  setObjectName("MyInfoForm");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle("MyInfo...");
  resize(330, 327);
  FMemo = new QPlainTextEdit(this);
  FMemo->setObjectName("M");
  FMemo->setAccessibleName("M");
  FMemo->setReadOnly(true);
  FMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(FMemo);
}

void TMyInfoForm::showEvent(QShowEvent* Event) {
  QWidget::showEvent(Event);
  FMemo->clear();
  if (AllData) FMemo->appendPlainText("Alldata.CreationDate=" + InfoDateText(AllData->CreateDate));
  FMemo->appendPlainText("Selected Data");
  TQVBaseData* found = AllData && FNoteID ? AllData->FindByID(FNoteID) : nullptr;
  if (auto* note = dynamic_cast<TQVNotice*>(found)) {
    FMemo->appendPlainText("\tID=" + QString::number(note->ID));
    FMemo->appendPlainText("\tCreateDate=" + InfoDateText(note->CreateDate));
    FMemo->appendPlainText("\tChangeDate=" + InfoDateText(note->ChangeDate));
  }
}

TMyInfoForm* ShowNoteInfo(TQVNotice* Note, QWidget* Parent) {
  auto* form = new TMyInfoForm(Note, Parent);
  if (Parent) form->move(Parent->geometry().center() - form->rect().center());
  form->show();
  return form;
}
