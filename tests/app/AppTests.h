#pragma once

#include <QObject>
#include <QTemporaryDir>

namespace quorl {}
using namespace quorl;

class ShellTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void commandLineNamesTheWork_data();
    void commandLineNamesTheWork();
    void helpAndVersionNeedNoDisplay_data();
    void helpAndVersionNeedNoDisplay();
    void fileNamesKeepTheirBytes();
    void recentFilesKeepFourNewestFirst();
    void recentFilesSurviveARestart();
    void recentFileMenuTextsNumberAndShorten();
};

class FrameTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void menusHoldEveryItemInOrder();
    void acceleratorTableIsExactlyTwelveKeys();
    void laterCommandsArePresentButDisabled();
    void testModeKeyOpensTheDebugDialogForThePanelsBand();
    void toolbarButtonsInOrder();
    void hoveringAButtonShowsItsPrompt();
    void statusBarShowsIdleTextAndLockPanes();
    void scrollLockKeyLightsItsPane();
    void portStartsOnCom1AndFollowsTheMenu();
    void portCommandsNameTheirPorts();
    void portKeysNeverChangeThePort();
    void acceleratorBeatsAFocusedEditField();
    void viewMenuTogglesBars();
    void windowStartsSizedCentredAndCaptioned();
    void helpKeys();
    void aboutBoxShowsVersion();
};

class IconsTest : public QObject {
    Q_OBJECT
private slots:
    void picturesPaintAtTheSizeAskedFor();
    void styleIconsAreTheWrappedStyles();
    void styleIconsOutliveTheirStyle();
};

class FileCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void newShowsTheFactoryImage();
    void openShowsTheFileAndKeepsTheCaption();
    void saveAfterNewAsksForANameAndWritesTheFactoryImage();
    void openThenSaveChangesOnlyWhatTheTableNormalises();
    void failedOpenChangesNothing_data();
    void failedOpenChangesNothing();
    void failedSaveNamesTheFile();
    void recentFileOneOpensTheStandardWay();
    void recentFileThatIsGoneIsDropped();
    void placeholderShowsWithoutRecentFiles();
    void commandLineFileIsOpened();
    void commandLineNameOfAnyBytesIsOpenedAndSaved();
    void commandLineFileThatFailsEndsTheProgram();
    void droppedFilesAreOpened();
    void droppedChannelListOpensAsANewUntitledDocument();
    void fileDialogsOfferChannelListsAndSaveAsWritesTheTable();
    void closingAfterEditsAsksNothing();
    void toneListStaysWholeAcrossNewAndOpen();

private:
    QTemporaryDir dir;
};

class TransferCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void commandsOpenTheDialogOverTheTable();
    void readUsesThePortChosenInTheMenu();
    void keysDoNothingDuringATransfer();
    void closingTheWindowEndsTheTransferFirst();
    void saveDuringAReadWritesTheOldDocument();
    void newDuringATransferWaitsForThePort();
    void clickOnTheMainWindowOnlyInterrupts();
};

class DialogCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void choicesReachAFileAndTheRadio();
    void anOptionDialogsOkIsOneUndoStep();

private:
    QTemporaryDir dir;
};
