#pragma once
// The About window: logo, the maker's notice with the program's version, and links to the
// maker's web site and mail address. Help, About creates it for one modal run.

#include <QDialog>

class QLabel;
class QPushButton;
class TLinkText;

class TAboutForm : public QDialog {
  Q_OBJECT
public:
  static constexpr const char* WebAddress = "https://quillery.example.org";
  static constexpr const char* MailAddress = "hello@quillery.example.org";

  explicit TAboutForm(QWidget* Parent = nullptr);

  QLabel* Image1;
  TLinkText* ltwww;
  TLinkText* ltEmail;
  QLabel* Label1;
  QPushButton* Button1;

  void Localize();
  void ltwwwClick();
  void ltEmailClick();
  // The address a click on ltEmail opens: the mail address with an empty body and the
  // program's name as subject.
  static QUrl MailUrl();

protected:
  void showEvent(QShowEvent* Event) override;
  // Borderless: drawn with a thin frame of its own.
  void paintEvent(QPaintEvent* Event) override;

private:
  void FormShow();
};
