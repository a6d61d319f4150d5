#pragma once

#include <string>

// The window's fixed Slovak texts.
namespace texts {

inline const std::string WindowCaption = "Skúšanie gracióznych ohodnotení stromov";
inline const std::string Label3Caption = "Hrany grafu:";
inline const std::string Button1Caption = "Potvrdiť";
inline const std::string Button2Caption = "ENTER";
inline const std::string SearchCaption = "Hľadať a navrhnúť riešenie";
inline const std::string ProposeAgainCaption = "Navrhnúť riešenie";
inline const std::string Button4Caption = "Zobraziť navrhované riešenie v tabuľke";
inline const std::string Button5Caption = "Vyplniť graf podľa navrhovaného riešenia";
inline const std::string Button6Caption = "Vymazať čísla vo vrcholoch grafu";
inline const std::string Button7Caption = "Odstrániť listy";
inline const std::string Button8Caption = "Dozadu";
inline const std::string Button9Caption = "Dopredu";
inline const std::string FillInPrompt = "Dopĺňajte vrcholy grafu a stláčajte ENTER:";

inline std::string VertexCountSentence(int n) {
  return "Graf má " + std::to_string(n) + (n <= 4 ? " vrcholy." : " vrcholov.");
}

inline const std::string NotATreeText = "Graf nie je strom: obsahuje cyklus a nie je súvislý.";
inline const std::string ClosestCommand = "Navrhnúť najpodobnejšie riešenie";
inline const std::string Button3Tip = "F3: riešenie najbližšie k vášmu vyplneniu";
inline const std::string ClosestWaitingText = "Hľadám najpodobnejšie riešenie ... čakajte prosím";
inline const std::string ClosestSummaryText = "Prezrel som všetky graciózne ohodnotenia grafu,";
inline const std::string ClosestAgreesText = "aspoň jedno súhlasí s vyplnením grafu.";
inline const std::string ClosestDisagreesText = "žiadne nesúhlasí s vyplnením grafu.";
inline const std::string ShowVertexNumbersCommand = "Zobraziť čísla vrcholov";
inline const std::string SavePictureCommand = "Exportovať obrázok…";
inline const std::string SavePictureTitle = "Uložiť obrázok";
inline const std::string SuggestedPictureName = "strom.png";
inline const std::string PictureFileFilter = "Obrázky PNG (*.png)";
inline const std::string CopyPictureCommand = "Kopírovať obrázok";
inline const std::string RandomTreeCommand = "Náhodný strom…";
inline const std::string RandomTreeTitle = "Náhodný strom";
inline const std::string RandomTreePrompt = "Počet vrcholov (2 až 20):";
inline std::string CountRefused(int least, int most, const std::string& typed) {
  return "Strom môže mať " + std::to_string(least) + " až " + std::to_string(most) + " vrcholov; „" + typed +
         "“ sa nedá použiť.";
}
inline const std::string AboutCommand = "O programe";
inline const std::string ViewMenu = "Zobrazenie";
inline const std::string DrawAsTreeCommand = "Kresliť ako strom";
inline const std::string FileMenu = "Súbor";
inline const std::string ExerciseMenu = "Cvičenie";
inline const std::string OpenTreeCommand = "Otvoriť…";
inline const std::string OpenTreeTitle = "Otvoriť strom";
inline const std::string SaveTreeCommand = "Uložiť";
inline const std::string SaveTreeAsCommand = "Uložiť ako…";
inline const std::string QuitCommand = "Koniec";
// Edge lines hold fillings; graph6 and sparse6 do not, so a set is saved as edge lines.
inline const std::string SaveTreeFileFilter = "Stromy so zoznamom hrán (*.txt);;Všetky súbory (*)";
inline std::string SuggestedTreeFileName(int n) {
  if (n < 2) return "stromy.txt";
  return "strom-" + std::to_string(n) + (n <= 4 ? "-vrcholy.txt" : "-vrcholov.txt");
}
inline std::string SaveChangesQuestion(const std::string& name, bool file) {
  return (file ? "Uložiť zmeny v súbore " : "Uložiť zmeny v sade „") + name + (file ? "?" : "“?");
}
inline const std::string NotATreeNotSaved =
    "Graf nie je strom (obsahuje cyklus a nie je súvislý), a tak sa nedá uložiť ako súbor so stromom.";
inline const std::string SaveTreeTitle = "Uložiť strom";
inline const std::string TreeFileFilters = "Stromy (*.txt *.g6 *.s6);;Všetky súbory (*)";
inline const std::string NextSetTreeCommand = "Ďalší strom zo súboru";
inline const std::string PreviousSetTreeCommand = "Predchádzajúci strom zo súboru";
inline const std::string RenumberCommand = "Prečíslovať vrcholy bez kríženia";
inline const std::string HintCommand = "Poradiť";
inline const std::string PrintCommand = "Tlačiť…";
inline const std::string WorksheetCommand = "Pracovný list (PDF)…";
inline const std::string WorksheetTitle = "Pracovný list";
inline const std::string SuggestedWorksheetName = "pracovny-list.pdf";
inline const std::string PdfFileFilter = "Dokumenty PDF (*.pdf)";
inline const std::string WorksheetProgressText = "Hľadám riešenia stromov pracovného listu…";
inline const std::string CancelButton = "Zrušiť";
inline std::string WorksheetFailure(const std::string& path) {
  return "Pracovný list sa nepodarilo uložiť do súboru " + path + ".";
}
inline const std::string HintWaitingText = "Hľadám radu ... čakajte prosím";
inline const std::string NextLabelingCommand = "Ďalšie riešenie";
inline const std::string NextLabelingWaitingText = "Hľadám ďalšie riešenie ... čakajte prosím";
inline const std::string NextLabelingText = "Ďalšie graciózne ohodnotenie v poradí:";
inline std::string NextLabelingAgreement(int differing) {
  if (differing == 0) return "Toto ohodnotenie súhlasí s vyplnením grafu.";
  return "Od vyplnenia sa líši v " + std::to_string(differing) +
         (differing == 1 ? " vrchole." : " vrcholoch.");
}
inline const std::string NoNextLabelingText = "Ďalšie graciózne ohodnotenie už nie je.";
inline const std::string AllTreesCommand = "Všetky stromy s n vrcholmi…";
inline const std::string AllTreesTitle = "Všetky stromy";
inline const std::string AllTreesPrompt = "Počet vrcholov (2 až 16):";
// Instrumental plural "s 7 vrcholmi"; the set is named as a file would be.
inline std::string AllTreesSetTitle(int n) { return "Všetky stromy s " + std::to_string(n) + " vrcholmi"; }
inline std::string AllTreesFileName(int n) { return "vsetky-stromy-" + std::to_string(n) + ".txt"; }
inline const std::string CheckAllTreesCommand = "Overiť pre všetky stromy s n vrcholmi…";
inline const std::string CheckAllTreesTitle = "Overiť pre všetky stromy";
inline const std::string CheckAllTreesPrompt = "Počet vrcholov (2 až 20):";
inline std::string CheckingAllTrees(int n, const std::string& done, const std::string& total) {
  return "Hľadám graciózne ohodnotenie každého stromu s " + std::to_string(n) + " vrcholmi: " + done + " z " +
         total;
}
// "Oba stromy", "Všetky 3 stromy", "Všetkých 6 stromov": the quantifier and the noun agree with the count.
inline std::string AllTreesGraceful(int n, const std::string& count) {
  const std::string of = " s " + std::to_string(n) + " vrcholmi";
  if (count == "1") return "Jediný strom" + of + " má graciózne ohodnotenie.";
  if (count == "2") return "Oba stromy" + of + " majú graciózne ohodnotenie.";
  if (count == "3" || count == "4")
    return "Všetky " + count + " stromy" + of + " majú graciózne ohodnotenie.";
  return "Všetkých " + count + " stromov" + of + " má graciózne ohodnotenie.";
}
inline std::string TreesWithoutLabeling(int n, const std::string& count) {
  return "Pre " + count + " zo stromov s " + std::to_string(n) +
         " vrcholmi sa graciózne ohodnotenie nenašlo!";
}
inline const std::string OpenSlowestTree = "Otvoriť ten strom";
inline const std::string ZoomInCommand = "Zväčšiť";
inline const std::string ZoomOutCommand = "Zmenšiť";
inline const std::string ZoomResetCommand = "Pôvodná veľkosť";

inline std::string AboutText(const std::string& version) {
  return "Graciózne stromy " + version +
         "\n\nUčebná pomôcka o gracióznych ohodnoteniach stromov. Zadajte strom zoznamom hrán, "
         "očíslujte jeho vrcholy a program ukáže hodnotu každej hrany a tabuľku dvojíc čísel. Na "
         "požiadanie nájde graciózne ohodnotenia stromu a navrhne to, ktoré sa najviac podobá vášmu "
         "vyplneniu.\n\nTlačidlo „Hľadať a navrhnúť riešenie“ ukáže pri stromoch s 11 až 20 vrcholmi prvé "
         "riešenie v poradí; kláves F3 nájde riešenie najbližšie k vášmu vyplneniu pri každom strome. "
         "F4 poradí jeden krok a F5 ukáže ďalšie riešenie v poradí. Strom s vyplnením uložíte klávesmi "
         "Ctrl+S a otvoríte klávesmi Ctrl+O, obrázok uložíte klávesmi Ctrl+Shift+S. Ďalšie príkazy sú v "
         "ponuke pravého tlačidla myši.\n\nLicencia MIT.";
}

inline const std::string EdgeBoxName = "Hrany grafu";
inline std::string VertexBoxName(int k) { return "Vrchol " + std::to_string(k); }
inline const std::string TreePictureName = "Obrázok stromu";
inline const std::string CheckTableName = "Tabuľka dvojíc čísel";
inline const std::string ProposalTableName = "Tabuľka navrhovaného riešenia";
inline const std::string ChangeMarkDescription = "Rada: toto číslo treba zmeniť.";
inline const std::string TakeMarkDescription = "Rada: toto číslo sem patrí.";
inline const std::string HelpCommand = "Pomocník";

inline std::string VertexHint(int k) { return "vrchol č. " + std::to_string(k); }

// ---- Paper: the print preview, the worksheet dialog and the worksheet on the command line ----

inline const std::string PrintPreviewTitle = "Ukážka pred tlačou";
inline const std::string WorksheetPreviewTitle = "Ukážka pracovného listu";
inline const std::string WorksheetTreesGroup = "Stromy";
inline const std::string WorksheetRandomChoice = "Náhodné stromy";
inline const std::string WorksheetVerticesLabel = "Počet vrcholov (2 až 20):";
inline const std::string WorksheetCountLabel = "Počet stromov (1 až 60):";
inline std::string WorksheetSetChoice(const std::string& title, const std::string& trees) {
  return "Stromy zo súboru " + title + " (" + trees + ")";
}
inline const std::string WorksheetNoSetChoice = "Stromy zo súboru (nie je otvorený žiadny súbor)";
inline const std::string WorksheetWholeSet = "všetky";
inline const std::string WorksheetRangeFrom = "od";
inline const std::string WorksheetRangeTo = "do";
inline const std::string WorksheetGivens = "Vpísať čísla zo súboru";
inline const std::string WorksheetPerPageLabel = "Stromov na strane:";
inline const std::string WorksheetAnswersLabel = "Riešenia:";
inline const std::string WorksheetAnswersEnd = "na posledných stranách";
inline const std::string WorksheetAnswersSeparate = "v druhom súbore (…-riesenia.pdf)";
inline const std::string WorksheetAnswersNone = "bez riešení";
inline const std::string WorksheetHeadingLabel = "Nadpis:";
inline const std::string WorksheetHeadingExample = "napríklad Cvičenie 3 – 12. 12. 2026";
inline const std::string WorksheetPreviewButton = "Ukážka";
inline const std::string WorksheetSaveButton = "Uložiť…";
inline const std::string WorksheetSaveWithoutButton = "Uložiť bez nich…";
inline const std::string WorksheetNothingLeft = "Žiadny z vybraných stromov sa na pracovný list nedostane.";
inline const std::string WorksheetNotWritten = "Pracovný list sa nevytvoril.";
inline const std::string WorksheetUsage =
    "Použitie: graceful-trees --worksheet -o SÚBOR.pdf (--random N:POČET | --set SÚBOR [--range K:M])\n"
    "         [--per-page 1|2|4|6] [--answers end|separate|none] [--givens] [--heading TEXT]";
inline std::string UnknownOption(const std::string& option) { return "Neznáma voľba " + option + "."; }
inline std::string OptionNeedsValue(const std::string& option) {
  return "Voľba " + option + " potrebuje hodnotu.";
}
inline std::string OptionRefusesValue(const std::string& option, const std::string& expected,
                                      const std::string& given) {
  return "Voľba " + option + " čaká " + expected + ", nie „" + given + "“.";
}
inline const std::string WorksheetOutputMissing = "Chýba súbor pracovného listu: -o SÚBOR.pdf.";
inline const std::string WorksheetTreesMissing = "Chýbajú stromy: --random N:POČET alebo --set SÚBOR.";
inline const std::string WorksheetTreesTwice = "Voľby --random a --set sa nedajú spojiť.";
inline std::string OptionOnlyWithSet(const std::string& option) {
  return "Voľba " + option + " platí len s voľbou --set.";
}

}  // namespace texts
