#include "app/WindowCommands.h"

#include "app/ConjectureCommands.h"
#include "app/LabelingHelpCommands.h"
#include "app/PaperCommands.h"
#include "app/TreeFileCommands.h"
#include "app/ViewCommands.h"
#include "app/WindowTexts.h"

namespace {

bool Always(const CommandOffer&) { return true; }
bool Idle(const CommandOffer& offer) { return !offer.busy; }
bool IdleWithTree(const CommandOffer& offer) { return !offer.busy && offer.treeConfirmed; }
bool SearchOffered(const CommandOffer& offer) { return offer.searchOffered; }
bool NextLabelingOffered(const CommandOffer& offer) { return offer.nextLabelingOffered; }
bool SetHasNext(const CommandOffer& offer) { return !offer.busy && offer.setHasNext; }
bool SetHasPrevious(const CommandOffer& offer) { return !offer.busy && offer.setHasPrevious; }
bool CanZoomIn(const CommandOffer& offer) { return offer.canZoomIn; }
bool CanZoomOut(const CommandOffer& offer) { return offer.canZoomOut; }

QKeySequence Ctrl(int key) { return QKeySequence(Qt::CTRL | key); }
QKeySequence CtrlShift(int key) { return QKeySequence(Qt::CTRL | Qt::SHIFT | key); }

}  // namespace

std::vector<CommandRow> WindowCommandRows(const CommandHolders& h) {
  using M = MenuPlace;
  // One row a command, so that the table reads as one.
  // clang-format off
  return {
      {"closest", texts::ClosestCommand, {Qt::Key_F3}, M::Top, 0, SearchOffered, [h] { h.help.ProposeClosest(); }},
      {"hint", texts::HintCommand, {Qt::Key_F4}, M::Top, 0, SearchOffered, [h] { h.help.GiveHint(); }},
      {"nextLabeling", texts::NextLabelingCommand, {Qt::Key_F5}, M::Top, 0, NextLabelingOffered,
       [h] { h.help.ShowNextLabeling(); }},

      {"openTree", texts::OpenTreeCommand, {QKeySequence::Open}, M::File, 0, Idle, [h] { h.files.AskForTreeFile(); }},
      {"saveTree", texts::SaveTreeCommand, {QKeySequence::Save}, M::File, 0, IdleWithTree, [h] { h.files.Save(); }},
      {"saveTreeAs", texts::SaveTreeAsCommand, {CtrlShift(Qt::Key_S)}, M::File, 0, IdleWithTree,
       [h] { h.files.AskWhereToSave(); }},
      {"savePicture", texts::SavePictureCommand, {Ctrl(Qt::Key_E)}, M::File, 1, IdleWithTree,
       [h] { h.paper.AskWhereToSavePicture(); }},
      {"copyPicture", texts::CopyPictureCommand, {CtrlShift(Qt::Key_C)}, M::File, 1, IdleWithTree,
       [h] { h.paper.CopyPicture(); }},
      {"print", texts::PrintCommand, {QKeySequence::Print}, M::File, 2, IdleWithTree, [h] { h.paper.PrintExercise(); }},
      {"worksheet", texts::WorksheetCommand, {CtrlShift(Qt::Key_P)}, M::File, 2, Idle,
       [h] { h.paper.AskForWorksheet(); }},
      {"quit", texts::QuitCommand, {Ctrl(Qt::Key_Q)}, M::File, 3, Always, [h] { h.files.Quit(); }},

      // The edge box cannot take a new tree while long work runs on the old one.
      {"randomTree", texts::RandomTreeCommand, {QKeySequence::New}, M::Exercise, 0, Idle,
       [h] { h.files.AskForRandomTree(); }},
      {"renumber", texts::RenumberCommand, {Ctrl(Qt::Key_R)}, M::Exercise, 0, IdleWithTree,
       [h] { h.files.RenumberWithoutCrossings(); }},
      {"nextSetTree", texts::NextSetTreeCommand, {Ctrl(Qt::Key_PageDown)}, M::Exercise, 1, SetHasNext,
       [h] { h.files.NextSetTree(); }},
      {"previousSetTree", texts::PreviousSetTreeCommand, {Ctrl(Qt::Key_PageUp)}, M::Exercise, 1, SetHasPrevious,
       [h] { h.files.PreviousSetTree(); }},
      {"allTrees", texts::AllTreesCommand, {}, M::Exercise, 2, Idle, [h] { h.conjecture.AskForAllTrees(); }},
      {"checkAllTrees", texts::CheckAllTreesCommand, {}, M::Exercise, 2, Idle,
       [h] { h.conjecture.AskToCheckAllTrees(); }},

      {"vertexNumbers", texts::ShowVertexNumbersCommand, {Ctrl(Qt::Key_M)}, M::View, 0, Always,
       [h] { h.view.ToggleVertexNumbers(); }, [](const CommandOffer& o) { return o.vertexNumbersShown; }},
      {"treeDrawing", texts::DrawAsTreeCommand, {Ctrl(Qt::Key_T)}, M::View, 0, Always,
       [h] { h.view.ToggleTreeDrawing(); }, [](const CommandOffer& o) { return o.treeShaped; }},
      // Ctrl+= too: on many keyboards "+" needs Shift.
      {"zoomIn", texts::ZoomInCommand, {QKeySequence::ZoomIn, Ctrl(Qt::Key_Equal)}, M::View, 1, CanZoomIn,
       [h] { h.view.ZoomIn(); }},
      {"zoomOut", texts::ZoomOutCommand, {QKeySequence::ZoomOut}, M::View, 1, CanZoomOut, [h] { h.view.ZoomOut(); }},
      {"zoomReset", texts::ZoomResetCommand, {Ctrl(Qt::Key_0)}, M::View, 1, Always, [h] { h.view.ZoomToDesign(); }},

      {"help", texts::HelpCommand, {QKeySequence::HelpContents}, M::Top, 2, Always, [h] { h.view.ShowHelp(); }},
      {"about", texts::AboutCommand, {}, M::Top, 2, Always, [h] { h.view.ShowAbout(); }},
  };
  // clang-format on
}
