// The log window and the document information window.

#include "core/uQVLog.h"
#include "helpers/uGuiTestGlobals.h"
#include "windows/uMyInfo.h"
#include "windows/uRecorder.h"

#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QtTest>

class TestAuxWindows : public QObject {
  Q_OBJECT
private slots:
  void recorderTakesLinesAndKeepsNone() {
    TFormRecorder recorder;
    QCOMPARE(FormRecorder, &recorder);
    AddLogLine("Settings", " Readed");
    recorder.show();
    QCOMPARE(recorder.LV()->columnCount(), 3);
    QCOMPARE(recorder.LV()->topLevelItemCount(), 0);
    QCOMPARE(recorder.windowTitle(), QString("FormRecorder"));
  }

  void infoWindowsAreIndependentAndSurviveDeletedNotes() {
    TGuiTestGlobals globals;
    LoadDocument("");
    auto* note = static_cast<TQVNotice*>(AllData->GetNoticeRoot()->CreateChild());
    TDateTime march;
    EncodeDateTime(2024, 3, 1, 0, 0, 0, 0, march);
    note->CreateDate = march;
    QWidget owner;
    QPointer<TMyInfoForm> first = ShowNoteInfo(note, &owner);
    QPointer<TMyInfoForm> second = ShowNoteInfo(note, &owner);
    QVERIFY(first != second);
    const QStringList lines = first->M()->toPlainText().split('\n');
    QCOMPARE(lines.size(), 5);
    QVERIFY(lines[0].startsWith("Alldata.CreationDate="));
    QCOMPARE(lines[1], QString("Selected Data"));
    QCOMPARE(lines[2], "\tID=" + QString::number(note->ID));
    QCOMPARE(lines[3],
             "\tCreateDate=" + QLocale().toString(QDate(2024, 3, 1), QLocale::ShortFormat));
    first->close();
    QTRY_VERIFY(first.isNull());
    QVERIFY(!second.isNull());
    // The note goes; showing the window again must not touch it.
    AllData->GetNoticeRoot()->RemoveChild(note);
    second->hide();
    second->show();
    QCOMPARE(second->M()->toPlainText().split('\n').size(), 2);
  }
};

QTEST_MAIN(TestAuxWindows)
#include "tst_windows_aux.moc"
