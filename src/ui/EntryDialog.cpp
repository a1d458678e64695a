#include "ui/EntryDialog.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "skin/qt/SkinForm.h"
#include "ui/Handler.h"
#include "ui/controls/AlignLayout.h"
#include "ui/controls/Button.h"
#include "ui/controls/Edit.h"
#include "ui/controls/MessageBox.h"
#include "ui/controls/OwnedBy.h"

namespace {

bool IsBlankOrControl(QChar c) { return c.unicode() <= 0x20 || c.category() == QChar::Other_Control; }

QString TrimmedOfBlanksAndControls(const QString& text) {
  qsizetype first = 0;
  qsizetype last = text.size();
  while (first < last && IsBlankOrControl(text[first])) ++first;
  while (last > first && IsBlankOrControl(text[last - 1])) --last;
  return text.mid(first, last - first);
}

}  // namespace

TEntryDialog::TEntryDialog(const QString& caption, QSize client_size, std::string refusal,
                           const TskMessageBox& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      refusal_(std::move(refusal)),
      messages_(messages) {
  setWindowTitle(caption);
  setFixedSize(client_size);
  setModal(true);
  layout_ = OwnedBy<TAlignLayout>(this, client_size);
  skButton1 = OwnedBy<TskButton>(this, QStringLiteral("Ok"), TButtonFocus::TabStop);
  skButton1->setObjectName(QStringLiteral("skButton1"));
  skButton2 = OwnedBy<TskButton>(this, QStringLiteral("Cancel"), TButtonFocus::TabStop);
  skButton2->setObjectName(QStringLiteral("skButton2"));
  edtName = OwnedBy<TskEdit>(this);
  edtName->setObjectName(QStringLiteral("edtName"));
  connect(skButton1, &TskButton::clicked, this, Handler(this, &TEntryDialog::skButton1Click));
  connect(skButton2, &TskButton::clicked, this, &TEntryDialog::reject);
  skin::qt::TskSkinForm::Attach(*this);
}

void TEntryDialog::PlaceButtons(QRect ok, QRect cancel) {
  layout_->AddPlaced(skButton1, ok);
  layout_->AddPlaced(skButton2, cancel);
}

void TEntryDialog::SetFocusOrder(std::initializer_list<QWidget*> order) {
  QWidget* previous = nullptr;
  for (QWidget* control : order) {
    if (previous) setTabOrder(previous, control);
    previous = control;
  }
  first_focus_ = *order.begin();
  first_focus_->setFocus();
}

void TEntryDialog::skButton1Click() {
  if (!TrimmedOfBlanksAndControls(edtName->text()).isEmpty()) {
    accept();
    return;
  }
  messages_.Inform(refusal_);
  edtName->setFocus();
}

void TEntryDialog::keyPressEvent(QKeyEvent* event) {
  // A plain dialog would press its default button on Enter and cancel on
  // Escape; these dialogs close only through their buttons and frame.
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: event->accept(); return;
    default: QDialog::keyPressEvent(event);
  }
}

void TEntryDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
}
