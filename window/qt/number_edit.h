// A one-line number box that edits like any QLineEdit (caret, selection,
// undo and redo stay the user's) while holding what the user types or pastes
// to a few characters. Texts written by the program are never cut.
#pragma once

#include <QLineEdit>
#include <QRect>
#include <QValidator>

namespace dd {

class NumberEdit final : public QLineEdit {
  Q_OBJECT

 public:
  NumberEdit(const QString& text, int max_typed, QWidget* parent);

  // Replaces the whole text, however long; one too wide for the box is shown
  // from its start.
  void WriteProgramText(const QString& text);
  // Where the line of text starts, from the top of the box.
  int TextLineTop() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // Judges every change of the text, whatever caused it: a change the user
  // may not make is undone by QLineEdit itself, with its undo history intact.
  class Rule final : public QValidator {
   public:
    explicit Rule(NumberEdit& edit) : QValidator(&edit), edit_(edit) {}
    State validate(QString& input, int& position) const override;

   private:
    NumberEdit& edit_;
  };

  // What the box keeps of an insertion when `kept` characters stay around it.
  QString Fitted(const QString& inserted, int kept) const;
  // Inserts what fits of `pasted` when that is less than all of it, and says
  // so; a paste that fits whole is left to QLineEdit, so that it behaves
  // exactly as there (one undo step of its own).
  bool InsertCut(const QString& pasted, int kept);
  // The box's contents less its text margins, where its text is drawn.
  QRect TextArea() const;
  // Whether `text` shows whole in the box.
  bool Fits(const QString& text) const;
  // Characters that stay when the selection is replaced.
  int KeptLength() const;
  // Undo or redo, which may return to a text longer than the user may type.
  void Restore(bool redo);

  int max_typed_;
  QString accepted_;        // the text before the change being judged
  bool writing_ = false;    // the program is setting the text
  bool restoring_ = false;  // undo or redo returns to an earlier text
};

}  // namespace dd
