#include "app/CommandTable.h"

#include <QAction>
#include <QMenu>
#include <QWidget>
#include <map>

#include "app/QtText.h"
#include "app/WindowTexts.h"

namespace {

constexpr int SubmenuGroup = -1;

}  // namespace

CommandTable::CommandTable(QWidget* window, std::vector<CommandRow> rows,
                           std::function<CommandOffer()> snapshot)
    : window_(window), rows_(std::move(rows)), snapshot_(std::move(snapshot)) {
  for (const CommandRow& row : rows_) {
    auto* action = new QAction(Q(row.text), window_);
    action->setObjectName(row.id);
    action->setShortcuts(row.keys);
    action->setShortcutVisibleInContextMenu(true);
    action->setCheckable(row.checked != nullptr);
    // The check mark follows the state afterwards, whatever the click did to it.
    QObject::connect(action, &QAction::triggered, window_, [this, run = row.run] {
      run();
      Update();
    });
    window_->addAction(action);
    actions_.push_back(action);
  }
}

void CommandTable::Update() {
  const CommandOffer offer = snapshot_();
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    actions_[i]->setEnabled(!rows_[i].offered || rows_[i].offered(offer));
    if (rows_[i].checked) actions_[i]->setChecked(rows_[i].checked(offer));
  }
}

void CommandTable::ShowMenu(const QPoint& globalPos) const {
  QMenu menu(window_);
  const std::map<MenuPlace, std::string> titles = {{MenuPlace::File, texts::FileMenu},
                                                   {MenuPlace::Exercise, texts::ExerciseMenu},
                                                   {MenuPlace::View, texts::ViewMenu}};
  std::map<MenuPlace, QMenu*> menus;
  std::map<QMenu*, int> lastGroup;
  // The top level keeps the rows' order, a submenu appearing where its first row stands.
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const CommandRow& row = rows_[i];
    QMenu* target = &menu;
    if (row.menu != MenuPlace::Top) {
      auto found = menus.find(row.menu);
      if (found == menus.end()) {
        // The submenus stand together, parted from the commands around them.
        if (lastGroup.count(&menu) && lastGroup[&menu] != SubmenuGroup) menu.addSeparator();
        lastGroup[&menu] = SubmenuGroup;
        found = menus.emplace(row.menu, menu.addMenu(Q(titles.at(row.menu)))).first;
      }
      target = found->second;
    }
    if (lastGroup.count(target) && lastGroup[target] != row.group) target->addSeparator();
    lastGroup[target] = row.group;
    target->addAction(actions_[i]);
  }
  menu.exec(globalPos);
}

std::string KeyText(const QKeySequence& key) { return key.toString(QKeySequence::NativeText).toStdString(); }
