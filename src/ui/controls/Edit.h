#pragma once
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

// Entry fields of the dialogs: Arial 14 px in black.

// A single-line edit (skin element "edit"). It holds a text of any length,
// not only the 32767 characters a QLineEdit keeps of what it is given.
class TskEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TskEdit(QWidget* parent);
};

// A multi-line edit with a vertical scroll bar; Tab leaves it
// (skin element "memo"). Text() gives back exactly what SetText() was given,
// with what the user typed: each line break keeps its own form (LF, CR LF,
// CR, or a Unicode separator) where toPlainText() would give LF for all and
// turn no-break spaces into blanks. A break the user types is LF; pasted
// text keeps its breaks.
class TskMemo : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit TskMemo(QWidget* parent);

  void SetText(const QString& text);
  QString Text() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;
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
