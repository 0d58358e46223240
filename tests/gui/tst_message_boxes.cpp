// The standard message boxes: their buttons, texts from the language document, and Escape.

#include "app/uMessageBoxes.h"
#include "helpers/uGuiTestGlobals.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TestMessageBoxes : public QObject {
  Q_OBJECT

  // Answers the next message box by the button with this text, or with Escape when empty.
  void Answer(const QString& ButtonText, QStringList* SeenButtons = nullptr) {
    QTimer::singleShot(0, [=] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box);
      if (SeenButtons)
        for (QAbstractButton* b : box->buttons())
          SeenButtons->append(b->text());
      if (ButtonText.isEmpty()) {
        QTest::keyClick(box, Qt::Key_Escape);
        return;
      }
      for (QAbstractButton* b : box->buttons())
        if (b->text() == ButtonText) b->click();
    });
  }

private slots:
  void initTestCase() { QApplication::setApplicationDisplayName("Quillery"); }

  void yesNoCancelAndEscape() {
    TGuiTestGlobals globals("DEU");
    QStringList seen;
    Answer("Ja", &seen);
    QCOMPARE(AskYesNoCancel("?"), QMessageBox::Yes);
    QVERIFY(seen.contains("Abbruch"));
    Answer("Nein");
    QCOMPARE(AskYesNoCancel("?"), QMessageBox::No);
    Answer("");
    QCOMPARE(AskYesNoCancel("?"), QMessageBox::Cancel);
    Answer("Ja");
    QVERIFY(AskYesNo("?"));
    Answer("");
    QVERIFY(!AskYesNo("?"));
  }

  void infoAndErrorCloseWithOk() {
    TGuiTestGlobals globals("ENG");
    QStringList seen;
    Answer("OK", &seen);
    ShowInfo("No more items found");
    QCOMPARE(seen, QStringList{"OK"});
    Answer("");
    ShowError("An error occurs opening the file.");
  }
};

QTEST_MAIN(TestMessageBoxes)
#include "tst_message_boxes.moc"
