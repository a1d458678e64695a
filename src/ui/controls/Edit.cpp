#include "ui/controls/Edit.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <limits>

#include "ui/controls/SkinName.h"

namespace {

// The line break before a block of the memo's document, as the text had it.
class TLineBreak : public QTextBlockUserData {
 public:
  explicit TLineBreak(QString text) : text_(std::move(text)) {}
  const QString& Text() const { return text_; }

 private:
  QString text_;
};

// The length of the line break at `i`, or 0: every character the document
// would start a new block at.
qsizetype LineBreakLengthAt(const QString& text, qsizetype i) {
  const char16_t c = text[i].unicode();
  if (c == u'\r') return i + 1 < text.size() && text[i + 1] == u'\n' ? 2 : 1;
  return c == u'\n' || c == QChar::ParagraphSeparator || c == 0xFDD0 || c == 0xFDD1 ? 1 : 0;
}

QString LineBreakBefore(const QTextBlock& block) {
  const auto* line_break = static_cast<const TLineBreak*>(block.userData());
  return line_break ? line_break->Text() : QStringLiteral("\n");
}

// Inserts `text` at `cursor`, a block a line, each block that a break
// starts remembering that break.
void InsertKeepingLineBreaks(QTextCursor& cursor, const QString& text) {
  qsizetype line_start = 0;
  for (qsizetype i = 0; i < text.size();) {
    const qsizetype length = LineBreakLengthAt(text, i);
    if (length == 0) {
      ++i;
      continue;
    }
    cursor.insertText(text.mid(line_start, i - line_start));
    // The block is split in two: the first half keeps the break before it,
    // the second starts with the new one.
    const QString kept = LineBreakBefore(cursor.block());
    const bool first = cursor.block() == cursor.document()->begin();
    cursor.insertBlock();
    cursor.block().previous().setUserData(first ? nullptr : new TLineBreak(kept));
    cursor.block().setUserData(new TLineBreak(text.mid(i, length)));
    i += length;
    line_start = i;
  }
  cursor.insertText(text.mid(line_start));
}

}  // namespace

void UseEntryFieldLook(QWidget* field) {
  field->setFont(ArialPixels(14));
  QPalette palette = field->palette();
  palette.setColor(QPalette::Text, Qt::black);
  field->setPalette(palette);
}

TskEdit::TskEdit(QWidget* parent) : QLineEdit(parent) {
  SetSkinDataName(this, "edit");
  UseEntryFieldLook(this);
  setMaxLength(std::numeric_limits<int>::max());
}

TskMemo::TskMemo(QWidget* parent) : QPlainTextEdit(parent) {
  SetSkinDataName(this, "memo");
  UseEntryFieldLook(this);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setTabChangesFocus(true);
}

void TskMemo::SetText(const QString& text) {
  clear();
  QTextCursor cursor = textCursor();
  InsertKeepingLineBreaks(cursor, text);
  document()->clearUndoRedoStacks();
  moveCursor(QTextCursor::Start);
}

QString TskMemo::Text() const {
  QString text;
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    if (block != document()->begin()) text += LineBreakBefore(block);
    text += block.text();
  }
  return text;
}

void TskMemo::keyPressEvent(QKeyEvent* event) {
  // Shift+Enter would start a line within the paragraph (U+2028); in notes
  // it is the same line break as Enter.
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() & Qt::ShiftModifier) {
    QKeyEvent plain(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier, event->text());
    return QPlainTextEdit::keyPressEvent(&plain);
  }
  QPlainTextEdit::keyPressEvent(event);
}

void TskMemo::insertFromMimeData(const QMimeData* source) {
  if (!source->hasText()) return QPlainTextEdit::insertFromMimeData(source);
  QTextCursor cursor = textCursor();
  cursor.beginEditBlock();
  cursor.removeSelectedText();
  InsertKeepingLineBreaks(cursor, source->text());
  cursor.endEditBlock();
  setTextCursor(cursor);
  ensureCursorVisible();
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
