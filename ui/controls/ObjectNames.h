// The object names of the windows, their controls and their actions, named
// like the members that hold them: the one list the windows, the tests and
// the benchmarks find them by.
#pragma once

namespace brewick::objectNames {

// The main window and its menus.
inline constexpr char mainWindow[] = "mainWindow";
inline constexpr char fileMenu[] = "fileMenu";
inline constexpr char openAction[] = "openAction";
inline constexpr char saveAction[] = "saveAction";
inline constexpr char exportAction[] = "exportAction";
inline constexpr char exportHandoutAction[] = "exportHandoutAction";
inline constexpr char printAction[] = "printAction";
inline constexpr char printPreviewAction[] = "printPreviewAction";
inline constexpr char aboutAction[] = "aboutAction";
inline constexpr char quitAction[] = "quitAction";
inline constexpr char editMenu[] = "editMenu";
inline constexpr char copyInnAction[] = "copyInnAction";
inline constexpr char previousInnAction[] = "previousInnAction";
inline constexpr char nextInnAction[] = "nextInnAction";
inline constexpr char keepInnAction[] = "keepInnAction";
inline constexpr char historyAction[] = "historyAction";
inline constexpr char notesAction[] = "notesAction";
inline constexpr char rerollTableAction[] = "rerollTableAction";
inline constexpr char rerollPatronAction[] = "rerollPatronAction";
inline constexpr char fleshOutPatronAction[] = "fleshOutPatronAction";
inline constexpr char fleshOutTableAction[] = "fleshOutTableAction";
inline constexpr char copyTableAction[] = "copyTableAction";
inline constexpr char pinLineAction[] = "pinLineAction";
inline constexpr char barScenesAction[] = "barScenesAction";
inline constexpr char wordListsAction[] = "wordListsAction";

// The inn form, the main window's client area.
inline constexpr char innForm[] = "innForm";
inline constexpr char innNameCaption[] = "innNameCaption";
inline constexpr char innNameEdit[] = "innNameEdit";
inline constexpr char landlordCaption[] = "landlordCaption";
inline constexpr char landlordEdit[] = "landlordEdit";
inline constexpr char locationGroup[] = "locationGroup";
inline constexpr char qualityGroup[] = "qualityGroup";
inline constexpr char menuGroup[] = "menuGroup";
inline constexpr char menuEdit[] = "menuEdit";
inline constexpr char roomGrid[] = "roomGrid";
inline constexpr char barSceneGroup[] = "barSceneGroup";
inline constexpr char barSceneList[] = "barSceneList";
inline constexpr char tablesGroup[] = "tablesGroup";
inline constexpr char tableCountCaption[] = "tableCountCaption";
inline constexpr char tableCountLabel[] = "tableCountLabel";
inline constexpr char tableChoice[] = "tableChoice";
inline constexpr char tableLinesEdit[] = "tableLinesEdit";
inline constexpr char partsGroup[] = "partsGroup";
inline constexpr char allCheckBox[] = "allCheckBox";
inline constexpr char innNameCheckBox[] = "innNameCheckBox";
inline constexpr char landlordCheckBox[] = "landlordCheckBox";
inline constexpr char menuCheckBox[] = "menuCheckBox";
inline constexpr char roomsCheckBox[] = "roomsCheckBox";
inline constexpr char tablesCheckBox[] = "tablesCheckBox";
inline constexpr char sceneCheckBox[] = "sceneCheckBox";
inline constexpr char generateButton[] = "generateButton";
inline constexpr char exitButton[] = "exitButton";

// The history list.
inline constexpr char historyDialog[] = "historyDialog";
inline constexpr char historyFilterEdit[] = "historyFilterEdit";
inline constexpr char historyList[] = "historyList";
inline constexpr char historyStatusLabel[] = "historyStatusLabel";
inline constexpr char historyShowButton[] = "historyShowButton";
inline constexpr char historyDeleteButton[] = "historyDeleteButton";
inline constexpr char historyUndoButton[] = "historyUndoButton";
inline constexpr char historyHandoutButton[] = "historyHandoutButton";
inline constexpr char historyCloseButton[] = "historyCloseButton";

// The notes window.
inline constexpr char notesDialog[] = "notesDialog";
inline constexpr char notesEdit[] = "notesEdit";
inline constexpr char notesShownDifferentlyLabel[] = "notesShownDifferentlyLabel";
inline constexpr char notesOkButton[] = "notesOkButton";
inline constexpr char notesCancelButton[] = "notesCancelButton";

// The about window.
inline constexpr char aboutWindow[] = "aboutWindow";
inline constexpr char bannerLabel[] = "bannerLabel";
inline constexpr char descriptionLabel[] = "descriptionLabel";
inline constexpr char versionLabel[] = "versionLabel";
inline constexpr char webAddressLabel[] = "webAddressLabel";
inline constexpr char okButton[] = "okButton";

// The closing window.
inline constexpr char closingWindow[] = "closingWindow";
inline constexpr char invitationLabel[] = "invitationLabel";
inline constexpr char productsLabel[] = "productsLabel";
inline constexpr char whereLabel[] = "whereLabel";
inline constexpr char linkLabel[] = "linkLabel";
inline constexpr char closingExitButton[] = "closingExitButton";

}  // namespace brewick::objectNames
