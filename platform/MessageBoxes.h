#pragma once

#include <QString>
#include <functional>

class QWidget;

// Every modal box of the program goes through here, so tests can read and answer them.
namespace MessageBoxes {

enum class Kind { Message, Error };

// While a hook is set, boxes are handed to it instead of being shown.
using Hook = std::function<void(Kind kind, const QString& text)>;
void SetHook(Hook hook);

// Both boxes show the text as plain text, since it may hold what the user typed, and stand
// centred on the screen.

// A modal box with the text, one OK button and no icon.
void ShowMessage(QWidget* parent, const QString& text);
// The error report of a command that was abandoned.
void ShowError(QWidget* parent, const QString& text);

// "Save the changes?" with the desktop's own buttons Save, Discard and Cancel (Slovak through Qt's
// translations). While an answer hook is set, it answers instead (and the question is not shown).
enum class Answer { Save, Discard, Cancel };
using AnswerHook = std::function<Answer(const QString& text)>;
void SetAnswerHook(AnswerHook hook);
Answer AskToSaveChanges(QWidget* parent, const QString& text);
// A message with a second button that offers what to do next (its text `action`) beside Close;
// true when that button was chosen. The answer hook answers it too: Save stands for the action.
bool OfferAction(QWidget* parent, const QString& text, const QString& action);

}  // namespace MessageBoxes
