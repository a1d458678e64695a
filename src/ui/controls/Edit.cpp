#include "ui/controls/Edit.h"

#include "ui/controls/SkinName.h"

void UseEntryFieldLook(QWidget* field) {
  field->setFont(ArialPixels(14));
  QPalette palette = field->palette();
  palette.setColor(QPalette::Text, Qt::black);
  field->setPalette(palette);
}

TskEdit::TskEdit(QWidget* parent) : QLineEdit(parent) {
  SetSkinDataName(this, "edit");
  UseEntryFieldLook(this);
}

TskMemo::TskMemo(QWidget* parent) : QPlainTextEdit(parent) {
  SetSkinDataName(this, "memo");
  UseEntryFieldLook(this);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setTabChangesFocus(true);
}

TskCheckBox::TskCheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {
  SetSkinDataName(this, "checkbox");
}

TskComboBox::TskComboBox(QWidget* parent) : QComboBox(parent) {
  SetSkinDataName(this, "combobox");
  UseEntryFieldLook(this);
  setEditable(false);
  setMaxVisibleItems(8);
  setInsertPolicy(QComboBox::NoInsert);
}
