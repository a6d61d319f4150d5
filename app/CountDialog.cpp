#include "app/CountDialog.h"

#include <QFontMetrics>
#include <QInputDialog>
#include <QLabel>

#include "app/QtText.h"
#include "app/WindowTexts.h"
#include "platform/MessageBoxes.h"
#include "tree/IntConversion.h"

std::optional<int> AskForCount(QWidget* parent, const std::string& title, const std::string& prompt,
                               int suggested, int least, int most) {
  QString answer = QString::number(suggested);
  for (;;) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(Q(title));
    dialog.setLabelText(Q(prompt));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(answer);
    // Wide enough for the title beside the title bar's icon and buttons, which Qt does not size for.
    // The dialog's layout sets its own minimum from its contents, so the prompt carries the width.
    if (auto* label = dialog.findChild<QLabel*>()) {
      label->setMinimumWidth(QFontMetrics(dialog.font()).horizontalAdvance(dialog.windowTitle()) + 160);
    }
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    answer = dialog.textValue().trimmed();
    const std::optional<int> count = ConvertToInt(answer.toStdString());
    if (count && *count >= least && *count <= most) return count;
    MessageBoxes::ShowMessage(parent, Q(texts::CountRefused(least, most, answer.toStdString())));
  }
}
