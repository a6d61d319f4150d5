#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "files/Worksheet.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

// The teacher's choices for a worksheet in one dialog: the trees (random ones, or the open set's,
// all or a range), trees per page, where the answers go, the given numbers and the heading line.
// It names the set's trees that stay off the worksheet before anything is written. The controls
// have object names for the tests: random, fromSet, vertices, count, wholeSet, range, first, last,
// givens, perPage, answers, heading, leftOut, preview, save.
class WorksheetDialog : public QDialog {
 public:
  // `set` is the open set with its fillings as they stand, or nullptr when none is open; it must
  // outlive the dialog.
  WorksheetDialog(QWidget* parent, const WorksheetChoice& choice, const TreeFileReading* set,
                  const std::string& setTitle);

  WorksheetChoice Choice() const;
  // What "Ukážka" does with the choice as it stands.
  void SetPreview(std::function<void(const WorksheetChoice&)> preview) { preview_ = std::move(preview); }

 private:
  void Show(const WorksheetChoice& choice);
  // Enables what the choice uses, and says what keeps it from being written.
  void Update();

  const TreeFileReading* set_;
  int setTrees_ = 0;
  QRadioButton* random_;
  QRadioButton* fromSet_;
  QSpinBox* vertices_;
  QSpinBox* count_;
  QRadioButton* wholeSet_;
  QRadioButton* range_;
  QSpinBox* first_;
  QSpinBox* last_;
  QCheckBox* givens_;
  QComboBox* perPage_;
  QComboBox* answers_;
  QLineEdit* heading_;
  QLabel* leftOut_;
  QPushButton* previewButton_;
  QPushButton* save_;
  std::function<void(const WorksheetChoice&)> preview_;
};
