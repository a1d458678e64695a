#pragma once
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

// Entry fields of the dialogs: Arial 14 px in black.

// A single-line edit (skin element "edit").
class TskEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TskEdit(QWidget* parent);
};

// A multi-line edit with a vertical scroll bar; Tab leaves it
// (skin element "memo").
class TskMemo : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit TskMemo(QWidget* parent);
};

// skin element "checkbox".
class TskCheckBox : public QCheckBox {
  Q_OBJECT
 public:
  TskCheckBox(const QString& caption, QWidget* parent);
};

// A drop-down list without free typing, unsorted, showing 8 rows when open;
// typing selects by first letters (skin element "combobox").
class TskComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit TskComboBox(QWidget* parent);
};

// Applies the fields' font and black text.
void UseEntryFieldLook(QWidget* field);
