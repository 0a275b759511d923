#pragma once

#include <initializer_list>
#include <string>

#include "core/uitext.h"

namespace brainlark
{

/// The learner-facing messages the Qt-free layers compose: English templates with Qt-style %1..%9 places,
/// filled in English here (the command line, files and logs print them as they are). The window shows such a
/// message in the program's language by finding the template it was made from (MessageText in services/);
/// a template belongs in All, and templates that end in another message's text keep it as an argument so
/// that it is translated too.
namespace Messages
{

constexpr const char* Context = "brainlark::Messages";

/// The template with %1..%9 replaced by the arguments in one pass (an argument's own "%1" stays).
std::string format(const char* text, std::initializer_list<std::string> arguments);

// Vocabulary documents.
constexpr const char* KvtmlEntities = QT_TRANSLATE_NOOP(
    "brainlark::Messages", "The file declares entities in its document type (<!ENTITY ...>); vocabularies "
                           "have none, and such a file "
                           "can make a reader expand a few bytes to gigabytes, so it is not read.");
constexpr const char* KvtmlWrongRoot = QT_TRANSLATE_NOOP(
    "brainlark::Messages", "This is an XML document but not a vocabulary: its root is <%1>, not <kvtml>.");
constexpr const char* KvtmlOldVersion = QT_TRANSLATE_NOOP(
    "brainlark::Messages", "The vocabulary is of version %1; only version 2 is read. Open it "
                           "in a vocabulary program and save it again to get version 2.");
constexpr const char* KvtmlDamaged =
    QT_TRANSLATE_NOOP("brainlark::Messages", "The vocabulary is damaged: line %1, column %2: %3");
constexpr const char* KvtmlNoRoot =
    QT_TRANSLATE_NOOP("brainlark::Messages", "The file holds no vocabulary (no <kvtml> element).");
constexpr const char* KvtmlTooDeep =
    QT_TRANSLATE_NOOP("brainlark::Messages",
                      "The vocabulary's lessons are nested more than %1 deep (line %2); it is not read.");
constexpr const char* KvtmlNoLanguage =
    QT_TRANSLATE_NOOP("brainlark::Messages", "The vocabulary has no language %1 (its languages: %2).");
constexpr const char* KvtmlSameLanguage =
    QT_TRANSLATE_NOOP("brainlark::Messages", "The question and the answer must be two different languages.");

// Decks and packages of other trainers.
constexpr const char* NoSuchDeck =
    QT_TRANSLATE_NOOP("brainlark::Messages", "The file has no deck or lesson \"%1\" (its decks: %2).");
constexpr const char* NoDecks =
    QT_TRANSLATE_NOOP("brainlark::Messages", "The file has no deck or lesson \"%1\" (it has no decks).");
constexpr const char* CannotReadFile =
    QT_TRANSLATE_NOOP("brainlark::Messages", "Could not read the file (%1).");
constexpr const char* ExportAdvice =
    QT_TRANSLATE_NOOP("brainlark::Messages", "In Anki, export the deck again with \"Support older Anki "
                                             "versions\" checked and import that file.");
constexpr const char* NotSqlite = QT_TRANSLATE_NOOP(
    "brainlark::Messages",
    "%1 is not an SQLite database: the package is damaged or of a form this program does not know. %2");
constexpr const char* NoCollectionTable = QT_TRANSLATE_NOOP(
    "brainlark::Messages",
    "%1 holds no collection: the package is damaged or of a form this program does not know. %2");
constexpr const char* CollectionTooNew = QT_TRANSLATE_NOOP(
    "brainlark::Messages", "%1 is of collection version %2, newer than this program reads (up to %3). %4");
constexpr const char* CollectionTooOld =
    QT_TRANSLATE_NOOP("brainlark::Messages", "%1 is of collection version %2, older than this program reads. "
                                             "Open it in a current Anki and export the deck from there.");
constexpr const char* OnlyUpgradeNote = QT_TRANSLATE_NOOP(
    "brainlark::Messages", "%1 holds only a note asking for a newer Anki: the cards are in a "
                           "newer form this package does not include. %2");
constexpr const char* NotAPackage =
    QT_TRANSLATE_NOOP("brainlark::Messages", "cannot read %1 as a deck package: %2");
constexpr const char* NoCollection =
    QT_TRANSLATE_NOOP("brainlark::Messages",
                      "%1 holds no collection (collection.anki21b, collection.anki21 or collection.anki2): "
                      "it is not a deck package. %2");
constexpr const char* UnpacksPastDeclared = QT_TRANSLATE_NOOP(
    "brainlark::Messages", "%1 unpacks to more than the %2 bytes the archive declares; it is "
                           "refused as damaged or hostile");
constexpr const char* UnpacksPastLimit = QT_TRANSLATE_NOOP(
    "brainlark::Messages", "%1 unpacks to %2 or more, more than the %3 a package may hold; it "
                           "is refused as damaged or hostile");

// The handheld database.
constexpr const char* PalmTooManyRecords =
    QT_TRANSLATE_NOOP("brainlark::Messages", "The list needs %1 records; a Palm database holds at most %2.");
constexpr const char* PalmTooLarge = QT_TRANSLATE_NOOP(
    "brainlark::Messages", "The records take more than the 4 GB a Palm database can address.");
constexpr const char* PalmNameUnheld = QT_TRANSLATE_NOOP(
    "brainlark::Messages", "The list's name holds %1, which the handheld (Windows-1252 only) cannot show.");
constexpr const char* PalmTextUnheld = QT_TRANSLATE_NOOP(
    "brainlark::Messages", "\"%1\" holds %2, which the handheld (Windows-1252 only) cannot show.");
constexpr const char* PalmPairProblem = QT_TRANSLATE_NOOP("brainlark::Messages", "Pair %1: %2");
constexpr const char* PalmWrongAnswerProblem =
    QT_TRANSLATE_NOOP("brainlark::Messages", "A wrong answer of pair %1: %2");
constexpr const char* PalmDuplicate =
    QT_TRANSLATE_NOOP("brainlark::Messages", "Found a duplicate question: \n%1\nPlease rephrase or remove it "
                                             "from the quiz and export to Palm again.");
constexpr const char* PalmNotCreated =
    QT_TRANSLATE_NOOP("brainlark::Messages", "Sorry, could not create Palm Database file. \n%1");
constexpr const char* PalmFolderMissing =
    QT_TRANSLATE_NOOP("brainlark::Messages", "The most likely reason: folder %1 does not exist.");
constexpr const char* PalmNameTruncated =
    QT_TRANSLATE_NOOP("brainlark::Messages", "Due to Palm OS limitations, the name of this Q&A-list will be "
                                             "truncated to %1.\n\nWe apologize for the inconvenience.");
constexpr const char* PalmRecordsLost =
    QT_TRANSLATE_NOOP("brainlark::Messages", "Error exporting %1. \nP1 = %2 : %3 \nP2 = %4 : %5");
constexpr const char* CannotWriteFile =
    QT_TRANSLATE_NOOP("brainlark::Messages", "Could not write file %1 (%2)");

// List names.
constexpr const char* ForbiddenCharacter = QT_TRANSLATE_NOOP(
    "brainlark::Messages", "Please make sure that Q&A-list name does not contain any ' %1 ' characters");
constexpr const char* OverwriteList =
    QT_TRANSLATE_NOOP("brainlark::Messages",
                      "Another Q&A-list with this name already exists.\n\nWould you like to overwrite it?");

// What the reader of a deck package says of a part it could not read.
constexpr const char* PartMissing = QT_TRANSLATE_NOOP("brainlark::Messages", "%1: not in the package");
constexpr const char* PartCannotUnpack = QT_TRANSLATE_NOOP("brainlark::Messages", "%1: cannot unpack");
constexpr const char* PartCannotWrite =
    QT_TRANSLATE_NOOP("brainlark::Messages", "%1: cannot write the unpacked copy");
constexpr const char* PartCutShort =
    QT_TRANSLATE_NOOP("brainlark::Messages", "%1: compressed data cut short");
constexpr const char* CollectionNotUnpacked =
    QT_TRANSLATE_NOOP("brainlark::Messages", "cannot unpack the collection into a temporary folder");
constexpr const char* NoTemporaryFolder =
    QT_TRANSLATE_NOOP("brainlark::Messages", "cannot make a temporary folder to unpack the collection");
constexpr const char* CollectionNotOpened =
    QT_TRANSLATE_NOOP("brainlark::Messages", "%1: cannot open the collection: %2");
constexpr const char* NoteTypesUnread =
    QT_TRANSLATE_NOOP("brainlark::Messages", "%1: cannot read the note types");
constexpr const char* FieldsUnread =
    QT_TRANSLATE_NOOP("brainlark::Messages", "%1: cannot read the note types' fields");
constexpr const char* DecksUnread = QT_TRANSLATE_NOOP("brainlark::Messages", "%1: cannot read the decks");
constexpr const char* NotesUnread = QT_TRANSLATE_NOOP("brainlark::Messages", "%1: cannot read the notes");
constexpr const char* CardsUnread = QT_TRANSLATE_NOOP("brainlark::Messages", "%1: cannot read the cards");
constexpr const char* NoPackageOpen = QT_TRANSLATE_NOOP("brainlark::Messages", "no package is open");
constexpr const char* ImportCancelled = QT_TRANSLATE_NOOP("brainlark::Messages", "import cancelled");
constexpr const char* NotJsonObject = QT_TRANSLATE_NOOP("brainlark::Messages", "not a JSON object");
constexpr const char* MediaListNotObject =
    QT_TRANSLATE_NOOP("brainlark::Messages", "media list: not a JSON object");
constexpr const char* MediaListNoFile =
    QT_TRANSLATE_NOOP("brainlark::Messages", "media list: entry %1 names no file");
constexpr const char* MediaListMalformed = QT_TRANSLATE_NOOP("brainlark::Messages", "media list: malformed");
constexpr const char* MediaListMalformedEntry =
    QT_TRANSLATE_NOOP("brainlark::Messages", "media list: malformed entry");
constexpr const char* NoteTypesNotObject =
    QT_TRANSLATE_NOOP("brainlark::Messages", "note types: not a JSON object");
constexpr const char* DecksNotObject = QT_TRANSLATE_NOOP("brainlark::Messages", "decks: not a JSON object");

// Reading files and pictures.
constexpr const char* FileUnread = QT_TRANSLATE_NOOP("brainlark::Messages", "cannot read %1: %2");
constexpr const char* FileUnopened = QT_TRANSLATE_NOOP("brainlark::Messages", "cannot open %1: %2");
constexpr const char* NotRegularFile = QT_TRANSLATE_NOOP("brainlark::Messages", "not a regular file");
constexpr const char* PcxVersion = QT_TRANSLATE_NOOP("brainlark::Messages", "unsupported PCX version %1");
constexpr const char* PcxEncoding = QT_TRANSLATE_NOOP("brainlark::Messages", "unsupported PCX encoding %1");
constexpr const char* PcxFormat =
    QT_TRANSLATE_NOOP("brainlark::Messages", "unsupported PCX format (%1 bits, %2 planes)");
constexpr const char* PcxSize = QT_TRANSLATE_NOOP("brainlark::Messages", "invalid PCX picture size");
constexpr const char* PcxTooLarge =
    QT_TRANSLATE_NOOP("brainlark::Messages", "PCX picture too large (%1 x %2)");
constexpr const char* PcxLineLength = QT_TRANSLATE_NOOP("brainlark::Messages", "invalid PCX line length");
constexpr const char* NotPcx = QT_TRANSLATE_NOOP("brainlark::Messages", "not a PCX file");
constexpr const char* PcxTruncated = QT_TRANSLATE_NOOP("brainlark::Messages", "PCX data truncated");

// Saving, backups, and the sounds and pictures an import names.
constexpr const char* SaveRefused = QT_TRANSLATE_NOOP("brainlark::Messages", "cannot save %1: %2");
constexpr const char* FileNotCreatedIn =
    QT_TRANSLATE_NOOP("brainlark::Messages", "cannot create a file in %1: %2");
constexpr const char* PermissionsNotSet =
    QT_TRANSLATE_NOOP("brainlark::Messages", "cannot set the permissions of %1: %2");
constexpr const char* FileNotWritten = QT_TRANSLATE_NOOP("brainlark::Messages", "cannot write %1: %2");
constexpr const char* FileNotReplaced = QT_TRANSLATE_NOOP("brainlark::Messages", "cannot replace %1: %2");
constexpr const char* LinkToMissingFile =
    QT_TRANSLATE_NOOP("brainlark::Messages", "the link leads to a missing file");
constexpr const char* NotAFolder = QT_TRANSLATE_NOOP("brainlark::Messages", "not a folder");
constexpr const char* NotABackup = QT_TRANSLATE_NOOP("brainlark::Messages", "not a backup");
constexpr const char* FolderNotCreated =
    QT_TRANSLATE_NOOP("brainlark::Messages", "cannot create the folder %1");
constexpr const char* PathUnread = QT_TRANSLATE_NOOP("brainlark::Messages", "cannot read %1");
constexpr const char* MediaNotCopied =
    QT_TRANSLATE_NOOP("brainlark::Messages", "could not be copied into the program folder");
constexpr const char* MediaPictureKind =
    QT_TRANSLATE_NOOP("brainlark::Messages", "not copied: the quiz shows BMP, JPEG, GIF and PCX pictures");
constexpr const char* MediaSoundKind =
    QT_TRANSLATE_NOOP("brainlark::Messages", "not copied: the quiz plays WAV sounds");
constexpr const char* MediaUnsafeName =
    QT_TRANSLATE_NOOP("brainlark::Messages", "refused: not a file name beside the import");
constexpr const char* MediaNotFound =
    QT_TRANSLATE_NOOP("brainlark::Messages", "not found beside the imported file");

/// A part's name and what went wrong with it, when what went wrong is said by another message or a library:
/// only that is translated.
constexpr const char* PartProblem = QT_TRANSLATE_NOOP("brainlark::Messages", "%1: %2");

/// Every template above, the more specific before the more general.
constexpr const char* All[] = {
    KvtmlEntities,
    KvtmlWrongRoot,
    KvtmlOldVersion,
    KvtmlDamaged,
    KvtmlNoRoot,
    KvtmlTooDeep,
    KvtmlNoLanguage,
    KvtmlSameLanguage,
    NoSuchDeck,
    NoDecks,
    CannotReadFile,
    ExportAdvice,
    NotSqlite,
    NoCollectionTable,
    CollectionTooNew,
    CollectionTooOld,
    OnlyUpgradeNote,
    NotAPackage,
    NoCollection,
    UnpacksPastDeclared,
    UnpacksPastLimit,
    PalmTooManyRecords,
    PalmTooLarge,
    PalmNameUnheld,
    PalmTextUnheld,
    PalmPairProblem,
    PalmWrongAnswerProblem,
    PalmDuplicate,
    PalmNotCreated,
    PalmFolderMissing,
    PalmNameTruncated,
    PalmRecordsLost,
    CannotWriteFile,
    ForbiddenCharacter,
    OverwriteList,
    PartMissing,
    PartCannotUnpack,
    PartCannotWrite,
    PartCutShort,
    CollectionNotUnpacked,
    NoTemporaryFolder,
    CollectionNotOpened,
    NoteTypesUnread,
    FieldsUnread,
    DecksUnread,
    NotesUnread,
    CardsUnread,
    NoPackageOpen,
    ImportCancelled,
    NotJsonObject,
    MediaListNotObject,
    MediaListNoFile,
    MediaListMalformed,
    MediaListMalformedEntry,
    NoteTypesNotObject,
    DecksNotObject,
    FileUnread,
    FileUnopened,
    NotRegularFile,
    PcxVersion,
    PcxEncoding,
    PcxFormat,
    PcxSize,
    PcxTooLarge,
    PcxLineLength,
    NotPcx,
    PcxTruncated,
    SaveRefused,
    FileNotCreatedIn,
    PermissionsNotSet,
    FileNotWritten,
    FileNotReplaced,
    LinkToMissingFile,
    NotAFolder,
    NotABackup,
    FolderNotCreated,
    PathUnread,
    MediaNotCopied,
    MediaPictureKind,
    MediaSoundKind,
    MediaUnsafeName,
    MediaNotFound,
    PartProblem, // last: it matches any text with a colon
};

} // namespace Messages

} // namespace brainlark
