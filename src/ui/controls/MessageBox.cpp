#include "ui/controls/MessageBox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <memory>

#include "skin/qt/SkinForm.h"
#include "ui/controls/SkinName.h"

namespace {

// Ties the characters of each double-quoted absolute path together, so that
// a path too long for a line wraps only after one of its separators (not
// after the leading one) rather than wherever the line breaker likes.
QString WithPathsWrappedAtSeparators(const QString& text) {
  constexpr QChar kWordJoiner(0x2060);
  constexpr QChar kZeroWidthSpace(0x200B);
  QString shown;
  qsizetype done = 0;
  for (qsizetype open = text.indexOf(u"\"/"); open >= 0; open = text.indexOf(u"\"/", done)) {
    const qsizetype close = text.indexOf(u'"', open + 1);
    if (close < 0) break;
    shown += text.mid(done, open + 1 - done);
    for (qsizetype k = open + 1; k < close; ++k) {
      shown += text[k];
      if (k + 1 < close) shown += text[k] == u'/' && k > open + 1 ? kZeroWidthSpace : kWordJoiner;
    }
    done = close;
  }
  return shown + text.mid(done);
}

// Shows the text with its paths tied together, and copies it as it is.
class TPathWrappingMessageBox : public QMessageBox {
 public:
  TPathWrappingMessageBox(Icon icon, const QString& caption, const QString& text, QWidget* owner)
      : QMessageBox(icon, caption, WithPathsWrappedAtSeparators(text), NoButton, owner), plain_text_(text) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (!event->matches(QKeySequence::Copy)) return QMessageBox::keyPressEvent(event);
    QGuiApplication::clipboard()->setText(plain_text_);
  }

 private:
  QString plain_text_;
};

}  // namespace

TModalResult TskMessageBox::MessageDlg(const std::string& text, TMsgDlgType type,
                                       TMsgDlgButtons buttons) const {
  const bool warning = type == TMsgDlgType::Warning;
  // A line feed and a carriage return together, in either order, end one
  // line, as Windows draws them; Qt would start two.
  QString shown = QString::fromStdString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
  auto box = std::make_unique<TPathWrappingMessageBox>(warning ? QMessageBox::Warning : QMessageBox::Information,
                                                       warning ? QStringLiteral("Warning") : QStringLiteral("Information"),
                                                       shown, owner_);
  box->setObjectName(QStringLiteral("msgMain"));
  box->setFont(ArialPixels(15));
  box->setTextFormat(Qt::PlainText);

  const bool yes_no = buttons == TMsgDlgButtons::YesNo;
  QPushButton* go_ahead = box->addButton(yes_no ? QMessageBox::Yes : QMessageBox::Ok);
  SetSkinDataName(go_ahead, "button");
  QPushButton* hold_back = nullptr;
  if (buttons != TMsgDlgButtons::Ok) {
    hold_back = box->addButton(yes_no ? QMessageBox::No : QMessageBox::Cancel);
    SetSkinDataName(hold_back, "button");
  }
  skin::qt::TskSkinForm::Attach(*box);
  box->setDefaultButton(yes_no ? hold_back : go_ahead);
  box->setEscapeButton(hold_back ? static_cast<QAbstractButton*>(hold_back) : go_ahead);
  // A close through the frame clicks no button, though QMessageBox reports
  // its escape button as clicked then; only a real press of OK or Yes goes
  // ahead.
  bool went_ahead = false;
  QObject::connect(box.get(), &QMessageBox::buttonClicked, box.get(),
                   [&went_ahead, go_ahead](QAbstractButton* pressed) { went_ahead = pressed == go_ahead; });
  box->exec();
  if (yes_no) return went_ahead ? TModalResult::Yes : TModalResult::No;
  return went_ahead ? TModalResult::Ok : TModalResult::Cancel;
}
