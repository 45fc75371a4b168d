// Every language-dependent text of the program: one row each, slot 0 Italian, slot 1 English,
// slot 2 empty. A process-wide constant table (no Qt), read from the window thread.
// Texts are UTF-8; the 8-bit code page only exists at the file and NetBIOS boundaries.
#pragma once

#include <array>
#include <string_view>

namespace orvane::catalogue {

inline constexpr int CatalogueRowCount = 370;
inline constexpr int Italian = 0;
inline constexpr int English = 1;

// The fixed product word that several captions combine with a catalogue text.
inline constexpr std::string_view ProductWord = " Orvane ";

struct CatalogueRow {
    std::array<std::string_view, 3> slot;
};

// Row n is entry n - 1.
extern const std::array<CatalogueRow, CatalogueRowCount> MessageCatalogue;

// Row `row` (1..CatalogueRowCount) in slot `languageIndex`; empty for a row or slot outside the
// table.
std::string_view CatalogueText(int row, int languageIndex);

// Middle words of some limit labels.
std::string_view DataWord(int languageIndex);        // "Dato " / "Data "
std::string_view PanelCountWord(int languageIndex);  // " N°Pann. " / " Panel N°"

// The current language: `LanguageIndex` of the main window, shared by reference with the
// cores so each text is fetched in the language current when it is shown.
struct Language {
    int LanguageIndex = Italian;
    std::string_view text(int row) const { return CatalogueText(row, LanguageIndex); }
};

// Rows the cores fetch by number.
namespace row {
inline constexpr int BatteryTypeFirst = 136;   // Cb_Tipo_Batt items 0..6: rows 136..142
inline constexpr int InverterTypeFirst = 143;  // Cb_Tipo_Inverter items 0..5: rows 143..148
inline constexpr int ScaleItemFirst = 149;     // Cb_Scala items 0..6: rows 149..155
inline constexpr int FreeParameters = 111;     // Gr_Conf_Libera
inline constexpr int StartButton = 46;         // Bt_Open while stopped
inline constexpr int StopButton = 47;          // Bt_Open while started
inline constexpr int FwVersion = 49;      // Lb_Ver_Fw
inline constexpr int ClockReading = 184;  // the unit's clock group
inline constexpr int CommunicationError = 209;
inline constexpr int CommunicationOk = 210;
inline constexpr int FirmwareVersionError = 211;
inline constexpr int Stopped = 212;
inline constexpr int Started = 213;
inline constexpr int OpeningError = 214;
inline constexpr int ConfirmExport = 215;
inline constexpr int ExportDone = 216;
inline constexpr int ExportFailed = 217;
inline constexpr int ImportDone = 218;
inline constexpr int ImportFailed = 219;
inline constexpr int ErrorNumber = 220;
inline constexpr int InParametersSetting = 221;
inline constexpr int InFreeParametersSetting = 222;
inline constexpr int InGridServicesSetting = 223;
inline constexpr int NetbiosNameError = 224;
inline constexpr int DataSavingError = 225;
inline constexpr int SettingsReadError = 226;
inline constexpr int IncompatibleFirmwareHead = 227;
inline constexpr int IncompatibleFirmwareTail = 228;
inline constexpr int ConfirmDefaults = 229;
inline constexpr int CommandFirmwareRefusal = 230;
inline constexpr int CommandPortRefusal = 231;
inline constexpr int ConfirmBatteryReset = 233;
inline constexpr int ConfirmStorageReset = 234;
// Refusals of a typed value an unchecked field cannot hold, naming its row.
inline constexpr int IpAddressRefused = 235;
inline constexpr int SubnetMaskRefused = 236;
inline constexpr int GatewayRefused = 237;
inline constexpr int DnsServerRefused = 238;
inline constexpr int LocalServerRefused = 239;
inline constexpr int MpptPowerRefused = 240;
// The safe writes: backups and change lists around the transfers, snapshots before resets,
// fields marked out of range while typing.
inline constexpr int CompareButton = 241;
inline constexpr int FieldHeader = 242;
inline constexpr int UnitValueHeader = 243;
inline constexpr int NewValueHeader = 244;
inline constexpr int WindowValueHeader = 245;
inline constexpr int FileValueHeader = 246;
inline constexpr int SentValueHeader = 247;
inline constexpr int ReadBackValueHeader = 248;
inline constexpr int ConfirmChanges = 249;
inline constexpr int ConfirmNoChanges = 250;
inline constexpr int BackupSaved = 251;
inline constexpr int ExportCancelled = 252;
inline constexpr int BackupReadFailed = 253;
inline constexpr int BackupSaveFailed = 254;
inline constexpr int UnitHoldsNewValues = 255;
inline constexpr int ReadBackDiffers = 256;
inline constexpr int CommitAnswerLost = 257;
inline constexpr int ReadBackFailed = 258;
inline constexpr int WindowAgainstUnit = 259;
inline constexpr int WindowAgainstFile = 260;
inline constexpr int WindowSameAsUnit = 261;
inline constexpr int WindowSameAsFile = 262;
inline constexpr int CompareReadFailed = 263;
inline constexpr int FlagSet = 264;
inline constexpr int FlagClear = 265;
inline constexpr int SnapshotSaved = 266;
inline constexpr int NoSnapshotYet = 267;
inline constexpr int SnapshotSaveFailed = 268;
inline constexpr int ResetAnyway = 269;
inline constexpr int OutOfRange = 270;
inline constexpr int RangeTo = 271;
inline constexpr int RangeOrZero = 272;
inline constexpr int NoDevice = 273;  // a port-list entry bound to no device
// The bus health: its line in the strip and the details in the line's tip.
inline constexpr int BusLine = 274;
inline constexpr int BusNoExchangeYet = 275;
inline constexpr int BusPerCycle = 276;
inline constexpr int BusDetailsHead = 277;
inline constexpr int BusAnswered = 278;
inline constexpr int BusNoAnswer = 279;
inline constexpr int BusBadFrame = 280;
inline constexpr int BusWrongAnswer = 281;
inline constexpr int BusCyclePeriod = 282;
inline constexpr int BusLongestExchange = 283;
inline constexpr int BusLastFailure = 284;
inline constexpr int BusNoFailure = 285;
inline constexpr int BusNotMeasured = 286;
// The journal, the recording and the exports of what the program remembers.
inline constexpr int JournalPage = 287;
inline constexpr int ExportCsvButton = 288;
inline constexpr int SavePictureButton = 289;
inline constexpr int ConfirmClearJournal = 290;
inline constexpr int EventColumn = 291;
inline constexpr int DetailsColumn = 292;
inline constexpr int RecordButton = 293;
inline constexpr int StopRecordingButton = 294;
inline constexpr int RowsWord = 295;
inline constexpr int NotARecording = 296;
inline constexpr int CannotWriteFile = 297;
inline constexpr int TimeColumn = 186;  // "Ora"
// Headlines of the journal's events, one per kind (event_kind.h).
inline constexpr int LinkStartedEvent = 298;
inline constexpr int LinkStoppedEvent = 299;
inline constexpr int OpeningErrorEvent = 300;
inline constexpr int LampOnEvent = 301;
inline constexpr int LampOffEvent = 302;
inline constexpr int CommandRequestedEvent = 303;
inline constexpr int CommandRefusedEvent = 304;
inline constexpr int CommandSentEvent = 305;
inline constexpr int CommandNotAnsweredEvent = 306;
inline constexpr int CommandDroppedEvent = 307;
inline constexpr int TransferRefusedEvent = 308;
inline constexpr int ParametersRefusedEvent = 309;
inline constexpr int FileSavedEvent = 310;
inline constexpr int FileLoadedEvent = 311;
inline constexpr int FileUnreadableEvent = 312;
inline constexpr int RecordingStartedEvent = 313;
inline constexpr int RecordingStoppedEvent = 314;
inline constexpr int RecordingErrorEvent = 315;
inline constexpr int JournalExportedEvent = 316;
inline constexpr int ChartExportedEvent = 317;
inline constexpr int EventsDroppedEvent = 318;
// Rows of the command line (orvane-cli) and of the comparison of a file with the unit.
inline constexpr int CliProgram = 319;
inline constexpr int CliPortsJob = 320;
inline constexpr int CliInfoJob = 321;
inline constexpr int CliWatchJob = 322;
inline constexpr int CliParamsJob = 323;
inline constexpr int CliParamsReadJob = 324;
inline constexpr int CliParamsDiffJob = 325;
inline constexpr int CliParamsWriteJob = 326;
inline constexpr int CliClockJob = 327;
inline constexpr int CliClockSyncJob = 328;
inline constexpr int CliCommandJob = 329;
inline constexpr int CliPortOption = 330;
inline constexpr int CliLangOption = 331;
inline constexpr int CliFormatOption = 332;
inline constexpr int CliCountOption = 333;
inline constexpr int CliYesOption = 334;
inline constexpr int CliFileOption = 335;
inline constexpr int CliCommandOption = 336;
inline constexpr int CliExitHeading = 337;
inline constexpr int CliExitDone = 338;
inline constexpr int CliExitUsage = 339;
inline constexpr int CliExitPort = 340;
inline constexpr int CliExitNoAnswer = 341;
inline constexpr int CliExitFirmware = 342;
inline constexpr int CliExitCheck = 343;
inline constexpr int CliExitFile = 344;
inline constexpr int CliExitRefused = 345;
inline constexpr int CliExitCancelled = 346;
inline constexpr int CliAnswerPrompt = 347;
inline constexpr int CliUnknownPort = 348;
inline constexpr int CliFileUnreadable = 349;
inline constexpr int CliParametersSaved = 350;
inline constexpr int CliCommandSent = 351;
inline constexpr int CliClockSent = 352;
inline constexpr int CliLampsOn = 353;
inline constexpr int FileAgainstUnit = 354;
inline constexpr int FileSameAsUnit = 355;
inline constexpr int CliHelpOption = 356;
// The link's progress through a transfer and its recovery of a re-plugged device.
inline constexpr int ReadingBlock = 357;
inline constexpr int WritingBlock = 358;
inline constexpr int ReadingBackBlock = 359;
inline constexpr int BlockOf = 360;
inline constexpr int Committing = 361;
inline constexpr int CancelButton = 362;
inline constexpr int CannotCancelWriting = 363;
inline constexpr int ImportCancelled = 364;
inline constexpr int CompareCancelled = 365;
inline constexpr int Reconnecting = 366;
inline constexpr int TransferCancelledEvent = 367;
inline constexpr int ReconnectingEvent = 368;
inline constexpr int ReconnectedEvent = 369;
inline constexpr int BusReconnects = 370;
}  // namespace row

}  // namespace orvane::catalogue
