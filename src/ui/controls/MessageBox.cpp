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
  QPushButton* ok = box->addButton(QMessageBox::Ok);
  SetSkinDataName(ok, "button");
  QPushButton* cancel = nullptr;
  if (buttons == TMsgDlgButtons::OkCancel) {
    cancel = box->addButton(QMessageBox::Cancel);
    SetSkinDataName(cancel, "button");
  }
  skin::qt::TskSkinForm::Attach(*box);
  box->setDefaultButton(ok);
  box->setEscapeButton(cancel ? static_cast<QAbstractButton*>(cancel) : ok);
  // A close through the frame clicks no button, though QMessageBox reports
  // its escape button as clicked then; only a real press of OK answers OK.
  bool ok_pressed = false;
  QObject::connect(box.get(), &QMessageBox::buttonClicked, box.get(),
                   [&ok_pressed, ok](QAbstractButton* pressed) { ok_pressed = pressed == ok; });
  box->exec();
  return ok_pressed ? TModalResult::Ok : TModalResult::Cancel;
}
