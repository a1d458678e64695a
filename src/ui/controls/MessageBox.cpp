#include "ui/controls/MessageBox.h"

#include <QMessageBox>
#include <QPushButton>
#include <memory>

#include "skin/qt/SkinForm.h"
#include "ui/controls/SkinName.h"

TModalResult TskMessageBox::MessageDlg(const std::string& text, TMsgDlgType type,
                                       TMsgDlgButtons buttons) const {
  const bool warning = type == TMsgDlgType::Warning;
  // A line feed and a carriage return together, in either order, end one
  // line, as Windows draws them; Qt would start two.
  QString shown = QString::fromStdString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
  auto box = std::make_unique<QMessageBox>(warning ? QMessageBox::Warning : QMessageBox::Information,
                                           warning ? QStringLiteral("Warning") : QStringLiteral("Information"),
                                           shown, QMessageBox::NoButton, owner_);
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
