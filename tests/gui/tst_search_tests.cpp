// The caption and text tests of the note search.

#include "search/uQVSearch.h"

#include <QtTest>

class TestSearchTests : public QObject {
  Q_OBJECT
private slots:
  void captionFoldsOnlyAtoZ_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("find");
    QTest::addColumn<bool>("hit");
    QTest::newRow("plain") << "Meeting notes"
                           << "notes" << true;
    QTest::newRow("case") << "MEETING"
                          << "meet" << true;
    QTest::newRow("umlaut vs capital")
        << QString::fromUtf8("ÄRGER") << QString::fromUtf8("ä") << false;
    QTest::newRow("umlaut same") << QString::fromUtf8("Ärger") << QString::fromUtf8("Ä") << true;
    QTest::newRow("absent") << "Budget"
                            << "plan" << false;
    QTest::newRow("empty find") << "Budget"
                                << "" << true;
  }
  void captionFoldsOnlyAtoZ() {
    QFETCH(QString, caption);
    QFETCH(QString, find);
    QFETCH(bool, hit);
    QCOMPARE(CaptionContains(caption.toStdString(), find.toStdString()), hit);
  }

  void textTestSeesTheVisibleText_data() {
    QTest::addColumn<QString>("rtf");
    QTest::addColumn<QString>("find");
    QTest::addColumn<bool>("hit");
    QTest::newRow("word") << R"({\rtf1\ansi Hello \b World\b0\par})"
                          << "hello world" << true;
    QTest::newRow("control words are not text") << R"({\rtf1\ansi\b Hello\par})"
                                                << "ansi" << false;
    QTest::newRow("code page") << R"({\rtf1\ansi\ansicpg1252 Gr\'fc\'dfe\par})"
                               << QString::fromUtf8("GRÜSSE").left(2) + QString::fromUtf8("üße")
                               << true;
    QTest::newRow("unicode") << R"({\rtf1\uc1 \u945?\u946?\par})" << QString::fromUtf8("ΑΒ")
                             << true;
    QTest::newRow("font table hidden") << R"({\rtf1{\fonttbl{\f0 Arial;}}text\par})"
                                       << "Arial" << false;
    QTest::newRow("empty body") << ""
                                << "x" << false;
  }
  void textTestSeesTheVisibleText() {
    QFETCH(QString, rtf);
    QFETCH(QString, find);
    QFETCH(bool, hit);
    QCOMPARE(NoteTextContains(rtf.toStdString(), find), hit);
  }
};

QTEST_MAIN(TestSearchTests)
#include "tst_search_tests.moc"
