#include "app/WorksheetDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "app/QtText.h"
#include "app/WindowTexts.h"

namespace {

constexpr WorksheetAnswers AnswerChoices[] = {WorksheetAnswers::End, WorksheetAnswers::Separate,
                                              WorksheetAnswers::None};

QSpinBox* Spin(QWidget* parent, const char* name, int least, int most) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(name);
  spin->setRange(least, most);
  return spin;
}

}  // namespace

WorksheetDialog::WorksheetDialog(QWidget* parent, const WorksheetChoice& choice, const TreeFileReading* set,
                                 const std::string& setTitle)
    : QDialog(parent), set_(set), setTrees_(set ? static_cast<int>(set->trees.size()) : 0) {
  setWindowTitle(Q(texts::WorksheetTitle));
  auto* trees = new QGroupBox(Q(texts::WorksheetTreesGroup), this);
  random_ = new QRadioButton(Q(texts::WorksheetRandomChoice), trees);
  random_->setObjectName("random");
  vertices_ = Spin(trees, "vertices", 2, MaxVertices);
  count_ = Spin(trees, "count", 1, MaxRandomWorksheetTrees);
  fromSet_ = new QRadioButton(set ? Q(texts::WorksheetSetChoice(setTitle, TreeCountWords(setTrees_)))
                                  : Q(texts::WorksheetNoSetChoice),
                              trees);
  fromSet_->setObjectName("fromSet");
  fromSet_->setEnabled(set != nullptr && setTrees_ > 0);
  wholeSet_ = new QRadioButton(Q(texts::WorksheetWholeSet), trees);
  wholeSet_->setObjectName("wholeSet");
  range_ = new QRadioButton(Q(texts::WorksheetRangeFrom), trees);
  range_->setObjectName("range");
  first_ = Spin(trees, "first", 1, std::max(setTrees_, 1));
  last_ = Spin(trees, "last", 1, std::max(setTrees_, 1));
  givens_ = new QCheckBox(Q(texts::WorksheetGivens), trees);
  givens_->setObjectName("givens");
  leftOut_ = new QLabel(trees);
  leftOut_->setObjectName("leftOut");
  leftOut_->setWordWrap(true);
  leftOut_->setTextFormat(Qt::PlainText);
  // The radio buttons of the source and of the set's part exclude each other in pairs.
  auto* source = new QButtonGroup(this);
  source->addButton(random_);
  source->addButton(fromSet_);
  auto* part = new QButtonGroup(this);
  part->addButton(wholeSet_);
  part->addButton(range_);

  auto* treeLayout = new QGridLayout(trees);
  treeLayout->addWidget(random_, 0, 0, 1, 5);
  treeLayout->addWidget(new QLabel(Q(texts::WorksheetVerticesLabel), trees), 1, 1);
  treeLayout->addWidget(vertices_, 1, 2);
  treeLayout->addWidget(new QLabel(Q(texts::WorksheetCountLabel), trees), 2, 1);
  treeLayout->addWidget(count_, 2, 2);
  treeLayout->addWidget(fromSet_, 3, 0, 1, 5);
  treeLayout->addWidget(wholeSet_, 4, 1);
  auto* rangeRow = new QHBoxLayout;
  rangeRow->addWidget(range_);
  rangeRow->addWidget(first_);
  rangeRow->addWidget(new QLabel(Q(texts::WorksheetRangeTo), trees));
  rangeRow->addWidget(last_);
  rangeRow->addStretch();
  treeLayout->addLayout(rangeRow, 5, 1, 1, 4);
  treeLayout->addWidget(givens_, 6, 1, 1, 4);
  treeLayout->addWidget(leftOut_, 7, 0, 1, 5);
  treeLayout->setColumnMinimumWidth(0, 16);
  treeLayout->setColumnStretch(4, 1);

  perPage_ = new QComboBox(this);
  perPage_->setObjectName("perPage");
  for (int perPage : TreesPerPageChoices) perPage_->addItem(QString::number(perPage), perPage);
  answers_ = new QComboBox(this);
  answers_->setObjectName("answers");
  for (const std::string& text :
       {texts::WorksheetAnswersEnd, texts::WorksheetAnswersSeparate, texts::WorksheetAnswersNone})
    answers_->addItem(Q(text));
  heading_ = new QLineEdit(this);
  heading_->setObjectName("heading");
  heading_->setPlaceholderText(Q(texts::WorksheetHeadingExample));
  heading_->setMinimumWidth(320);
  auto* paper = new QFormLayout;
  paper->addRow(Q(texts::WorksheetPerPageLabel), perPage_);
  paper->addRow(Q(texts::WorksheetAnswersLabel), answers_);
  paper->addRow(Q(texts::WorksheetHeadingLabel), heading_);

  auto* buttons = new QDialogButtonBox(this);
  previewButton_ = buttons->addButton(Q(texts::WorksheetPreviewButton), QDialogButtonBox::ActionRole);
  previewButton_->setObjectName("preview");
  save_ = buttons->addButton(Q(texts::WorksheetSaveButton), QDialogButtonBox::AcceptRole);
  save_->setObjectName("save");
  // Wide enough for either of its texts, so that it does not jump when trees are left out.
  save_->setText(Q(texts::WorksheetSaveWithoutButton));
  save_->setMinimumWidth(save_->sizeHint().width());
  save_->setDefault(true);
  buttons->addButton(Q(texts::CancelButton), QDialogButtonBox::RejectRole)->setObjectName("cancel");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(previewButton_, &QPushButton::clicked, this, [this] {
    if (preview_) preview_(Choice());
  });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(trees);
  layout->addLayout(paper);
  layout->addWidget(buttons);

  Show(choice);
  for (QRadioButton* button : {random_, fromSet_, wholeSet_, range_})
    connect(button, &QRadioButton::toggled, this, [this] { Update(); });
  for (QSpinBox* spin : {vertices_, count_, first_, last_})
    connect(spin, &QSpinBox::valueChanged, this, [this] { Update(); });
  connect(givens_, &QCheckBox::toggled, this, [this] { Update(); });
  Update();
}

void WorksheetDialog::Show(const WorksheetChoice& choice) {
  const bool fromSet = choice.source == WorksheetSource::Set && fromSet_->isEnabled();
  (fromSet ? fromSet_ : random_)->setChecked(true);
  vertices_->setValue(choice.vertices);
  count_->setValue(choice.count);
  (choice.wholeSet ? wholeSet_ : range_)->setChecked(true);
  first_->setValue(choice.first);
  last_->setValue(choice.last);
  givens_->setChecked(choice.givens);
  perPage_->setCurrentIndex(std::max(perPage_->findData(choice.perPage), 0));
  for (int k = 0; k < 3; ++k)
    if (AnswerChoices[k] == choice.answers) answers_->setCurrentIndex(k);
  heading_->setText(Q(choice.heading));
}

WorksheetChoice WorksheetDialog::Choice() const {
  WorksheetChoice choice;
  choice.source = fromSet_->isChecked() ? WorksheetSource::Set : WorksheetSource::Random;
  choice.vertices = vertices_->value();
  choice.count = count_->value();
  choice.wholeSet = wholeSet_->isChecked();
  choice.first = first_->value();
  choice.last = last_->value();
  choice.givens = givens_->isChecked() && givens_->isEnabled();
  choice.perPage = perPage_->currentData().toInt();
  choice.answers = AnswerChoices[std::clamp(answers_->currentIndex(), 0, 2)];
  choice.heading = heading_->text().trimmed().toStdString();
  return choice;
}

void WorksheetDialog::Update() {
  const bool fromSet = fromSet_->isChecked();
  vertices_->setEnabled(!fromSet);
  count_->setEnabled(!fromSet);
  wholeSet_->setEnabled(fromSet);
  range_->setEnabled(fromSet);
  first_->setEnabled(fromSet && range_->isChecked());
  last_->setEnabled(fromSet && range_->isChecked());
  givens_->setEnabled(fromSet && set_ && HasFillings(*set_));

  const WorksheetChoice choice = Choice();
  QString warning;
  bool writable = true;
  QString save = Q(texts::WorksheetSaveButton);
  if (const std::optional<std::string> fault = WorksheetChoiceFault(choice, setTrees_)) {
    warning = Q(*fault);
    writable = false;
  } else if (fromSet) {
    const SetTrees chosen = ChosenTrees(choice, set_);
    if (chosen.trees.empty()) {
      warning = Q(texts::WorksheetNothingLeft);
      writable = false;
    } else if (!chosen.leftOut.empty()) {
      const int asked = static_cast<int>(chosen.trees.size() + chosen.leftOut.size());
      warning = Q(LeftOutTreesMessage(chosen.leftOut, asked));
      save = Q(texts::WorksheetSaveWithoutButton);
    }
  }
  leftOut_->setText(warning);
  leftOut_->setVisible(!warning.isEmpty());
  save_->setText(save);
  save_->setEnabled(writable);
  previewButton_->setEnabled(writable);
}
