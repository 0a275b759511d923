#include "interchange/ankipackage.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <unordered_set>

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <zip.h>
#include <zstd.h>

#include "core/filereader.h"
#include "core/htmltext.h"
#include "core/mediapath.h"
#include "core/messages.h"
#include "core/savefile.h"
#include "core/utf8.h"

namespace brainlark
{

namespace
{

// The newest form first: a package may hold an older copy for older programs (or only a note asking for
// a newer one).
const char* const CollectionNames[] = {"collection.anki21b", "collection.anki21", "collection.anki2"};
constexpr int OldestSchema = 11;
constexpr int NewestSchema = 18;
constexpr size_t Chunk = 64 * 1024;

std::string megabytes(uint64_t bytes)
{
    return std::to_string((bytes + (1u << 20) - 1) >> 20) + " MB";
}

bool fail(std::string* error, std::string what)
{
    if (error)
        *error = std::move(what);
    return false;
}

struct ZipCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct ZipFileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
struct ZstdCloser {
    void operator()(ZSTD_DStream* stream) const { ZSTD_freeDStream(stream); }
};
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Hands the unpacked bytes of one archive entry to a sink, refusing an entry that declares or yields more
// than the limit. A zstd-compressed entry is unpacked when `zstd` is set, with the same limit on what
// comes out.
class EntryReader
{
public:
    EntryReader(zip_t* archive, const std::string& name, uint64_t limit)
        : m_archive(archive), m_name(name), m_limit(limit)
    {
    }

    template <typename Sink> bool read(bool zstd, Sink&& sink, std::string* error)
    {
        const zip_int64_t index = zip_name_locate(m_archive, m_name.c_str(), 0);
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (index < 0 || zip_stat_index(m_archive, zip_uint64_t(index), 0, &stat) != 0)
            return fail(error, Messages::format(Messages::PartMissing, {m_name}));
        if ((stat.valid & ZIP_STAT_SIZE) && stat.size > m_limit)
            return refuse(stat.size, error);
        std::unique_ptr<zip_file_t, ZipFileCloser> file(zip_fopen_index(m_archive, zip_uint64_t(index), 0));
        if (!file)
            return fail(error, Messages::format(Messages::PartProblem, {m_name, zip_strerror(m_archive)}));
        std::unique_ptr<ZSTD_DStream, ZstdCloser> stream;
        std::vector<char> out;
        if (zstd) {
            stream.reset(ZSTD_createDStream());
            // A frame may ask for a window of up to 128 MB; larger ones are refused by the library.
            if (!stream || ZSTD_isError(ZSTD_DCtx_setParameter(stream.get(), ZSTD_d_windowLogMax, 27)))
                return fail(error, Messages::format(Messages::PartCannotUnpack, {m_name}));
            out.resize(ZSTD_DStreamOutSize());
        }
        std::vector<char> buffer(Chunk);
        uint64_t read = 0;
        uint64_t unpacked = 0;
        bool frameChecked = false;
        size_t frameEnd = 1;
        for (;;) {
            const zip_int64_t got = zip_fread(file.get(), buffer.data(), buffer.size());
            if (got < 0)
                return fail(error,
                            Messages::format(Messages::PartProblem, {m_name, zip_file_strerror(file.get())}));
            if (got == 0)
                break;
            read += uint64_t(got);
            // The archive's own sizes may lie: what comes out counts.
            if (read > m_limit)
                return refuse(read, error);
            if ((stat.valid & ZIP_STAT_SIZE) && read > stat.size)
                return fail(error, Messages::format(Messages::UnpacksPastDeclared,
                                                    {m_name, std::to_string(stat.size)}));
            if (!zstd) {
                if (!sink(buffer.data(), size_t(got)))
                    return fail(error, Messages::format(Messages::PartCannotWrite, {m_name}));
                continue;
            }
            if (!frameChecked) {
                frameChecked = true;
                const unsigned long long declared = ZSTD_getFrameContentSize(buffer.data(), size_t(got));
                if (declared != ZSTD_CONTENTSIZE_UNKNOWN && declared != ZSTD_CONTENTSIZE_ERROR &&
                    declared > m_limit)
                    return refuse(declared, error);
            }
            ZSTD_inBuffer in{buffer.data(), size_t(got), 0};
            while (in.pos < in.size) {
                ZSTD_outBuffer output{out.data(), out.size(), 0};
                frameEnd = ZSTD_decompressStream(stream.get(), &output, &in);
                if (ZSTD_isError(frameEnd))
                    return fail(error,
                                m_name + ": damaged compressed data (" + ZSTD_getErrorName(frameEnd) + ")");
                unpacked += output.pos;
                if (unpacked > m_limit)
                    return refuse(unpacked, error);
                if (output.pos && !sink(out.data(), output.pos))
                    return fail(error, Messages::format(Messages::PartCannotWrite, {m_name}));
            }
        }
        // Output the decoder still holds once all input is in; a frame that has not ended is cut short.
        while (zstd && frameEnd != 0) {
            ZSTD_inBuffer in{nullptr, 0, 0};
            ZSTD_outBuffer output{out.data(), out.size(), 0};
            frameEnd = ZSTD_decompressStream(stream.get(), &output, &in);
            if (ZSTD_isError(frameEnd) || output.pos == 0)
                return fail(error, Messages::format(Messages::PartCutShort, {m_name}));
            unpacked += output.pos;
            if (unpacked > m_limit)
                return refuse(unpacked, error);
            if (!sink(out.data(), output.pos))
                return fail(error, Messages::format(Messages::PartCannotWrite, {m_name}));
        }
        return true;
    }

private:
    bool refuse(uint64_t size, std::string* error) const
    {
        return fail(error, Messages::format(Messages::UnpacksPastLimit,
                                            {m_name, megabytes(size), megabytes(m_limit)}));
    }

    zip_t* m_archive;
    std::string m_name;
    uint64_t m_limit;
};

bool readEntry(zip_t* archive, const std::string& name, uint64_t limit, bool zstdIfMarked, std::string& bytes,
               std::string* error)
{
    bytes.clear();
    // Whether the entry is compressed shows in its first bytes.
    bool zstd = false;
    if (zstdIfMarked) {
        std::string start;
        EntryReader peek(archive, name, limit);
        // Reading to the end is cheap for the small entries this is used for, and bounded by the limit.
        if (!peek.read(
                false,
                [&](const char* data, size_t size) {
                    start.append(data, size);
                    return true;
                },
                error))
            return false;
        if (!AnkiFields::isZstd(start)) {
            bytes = std::move(start);
            return true;
        }
        zstd = true;
    }
    EntryReader reader(archive, name, limit);
    return reader.read(
        zstd,
        [&](const char* data, size_t size) {
            bytes.append(data, size);
            return true;
        },
        error);
}

// One connection to the unpacked collection, on the calling thread, removed when it goes.
class Connection
{
public:
    explicit Connection(const QString& file)
    {
        static std::atomic<unsigned> serial{0};
        m_name = QStringLiteral("anki-package-%1").arg(++serial);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(file);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        m_open = db.open();
        if (!m_open)
            m_error = db.lastError().text().toStdString();
    }
    ~Connection() { QSqlDatabase::removeDatabase(m_name); }

    bool isOpen() const { return m_open; }
    const std::string& error() const { return m_error; }
    QSqlQuery query() const { return QSqlQuery(QSqlDatabase::database(m_name, false)); }
    bool hasTable(const char* table) const
    {
        return QSqlDatabase::database(m_name, false).tables().contains(QLatin1String(table));
    }

private:
    QString m_name;
    bool m_open = false;
    std::string m_error;
};

std::string text(const QVariant& value)
{
    return Utf8::sanitized(value.toByteArray().toStdString());
}

std::string percentDecoded(const std::string& name)
{
    std::string decoded;
    for (size_t i = 0; i < name.size(); ++i) {
        auto hex = [](char c) {
            return c >= '0' && c <= '9'   ? c - '0'
                   : c >= 'a' && c <= 'f' ? c - 'a' + 10
                   : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                          : -1;
        };
        if (name[i] == '%' && i + 2 < name.size() && hex(name[i + 1]) >= 0 && hex(name[i + 2]) >= 0) {
            decoded += char(hex(name[i + 1]) * 16 + hex(name[i + 2]));
            i += 2;
        } else {
            decoded += name[i];
        }
    }
    return decoded;
}

enum class MediaKind { Sound, Picture };

// The name a media file gets in the program's folder when the quiz can play or show it ("" otherwise, with
// why).
std::string playableName(const std::string& name, MediaKind kind, std::string& why)
{
    std::string safe = AnkiFields::safeFileName(name);
    const std::string extension = extensionOf(safe);
    if (kind == MediaKind::Sound) {
        if (extension == "wav")
            return safe;
        why = "the quiz plays WAV sounds only";
        return {};
    }
    if (safe.size() > 5 && extensionOf(safe.substr(0, safe.size() - 1)) == "jpe" && extension == "peg")
        return safe.substr(0, safe.size() - 5) + ".jpg"; // the same pictures, under the ending the quiz knows
    if (extension == "bmp" || extension == "jpg" || extension == "gif" || extension == "pcx")
        return safe;
    why = "the quiz shows BMP, JPEG, GIF and PCX pictures only";
    return {};
}

// "dog.jpg", "dog-2.jpg", ...: the n-th candidate name for a file.
std::string numbered(const std::string& name, int n)
{
    if (n == 1)
        return name;
    const size_t dot = name.rfind('.');
    const std::string suffix = "-" + std::to_string(n);
    return dot == std::string::npos || dot == 0 ? name + suffix
                                                : name.substr(0, dot) + suffix + name.substr(dot);
}

// A note's deck is that of its first card; a card lent to a filtered deck counts in its own.
using FirstCards = std::unordered_map<int64_t, std::pair<int64_t, int64_t>>; // note id → (template, deck id)

bool readFirstCards(const Connection& db, FirstCards& firstCard)
{
    QSqlQuery cards = db.query();
    cards.setForwardOnly(true);
    if (!cards.exec(QStringLiteral("SELECT nid, ord, CASE WHEN odid != 0 THEN odid ELSE did END FROM cards")))
        return false;
    while (cards.next()) {
        const int64_t template_ = cards.value(1).toLongLong();
        const auto [at, added] =
            firstCard.try_emplace(cards.value(0).toLongLong(), template_, cards.value(2).toLongLong());
        if (!added && template_ < at->second.first)
            at->second = {template_, cards.value(2).toLongLong()};
    }
    return true;
}

} // namespace

struct AnkiPackage::State {
    std::unique_ptr<zip_t, ZipCloser> archive;
    AnkiLimits limits;
    QTemporaryDir folder;
    QString collectionFile;
    std::string collectionName;
    int schema = 0;
    std::vector<AnkiNoteType> noteTypes;
    std::vector<AnkiDeck> decks;
    uint64_t noteCount = 0;
    std::unordered_map<std::string, std::string> entryByName;
    bool mediaCompressed = false;

    bool unpackCollection(const std::string& name, std::string* error);
    bool readCollection(const std::string& name, std::string* error);
    bool readMediaList(std::string* error);
    // The copied name, relative to the media sub-folder, or "" with why in missing.
    std::string copyMedia(const std::string& name, MediaKind kind, const AnkiImportOptions& options,
                          std::unordered_map<std::string, std::string>& copied,
                          std::vector<std::string>& missing, std::unordered_set<std::string>& listed);
};

AnkiPackage::AnkiPackage() : d(std::make_unique<State>()) {}

AnkiPackage::~AnkiPackage() = default;

bool AnkiPackage::State::unpackCollection(const std::string& name, std::string* error)
{
    collectionFile = folder.filePath(QString::fromStdString(name));
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(collectionFile.toLocal8Bit().constData(), "wb"));
    if (!file)
        return fail(error, Messages::CollectionNotUnpacked);
    EntryReader reader(archive.get(), name, limits.collectionBytes);
    const bool zstd = name == CollectionNames[0];
    if (!reader.read(
            zstd,
            [&](const char* data, size_t size) { return std::fwrite(data, 1, size, file.get()) == size; },
            error))
        return false;
    // SQLite marks a database in write-ahead mode in bytes 18 and 19 of its header; a read-only connection
    // could not open such a copy without its log, so the copy is marked as a plain journalled one.
    char header[20] = {};
    if (std::fflush(file.get()) != 0 || std::fseek(file.get(), 0, SEEK_SET) != 0)
        return fail(error, Messages::CollectionNotUnpacked);
    file.reset(std::fopen(collectionFile.toLocal8Bit().constData(), "r+b"));
    const size_t got = file ? std::fread(header, 1, sizeof header, file.get()) : 0;
    if (got < 16 || std::string_view(header, 16) != std::string_view("SQLite format 3\0", 16))
        return fail(error, Messages::format(Messages::NotSqlite, {name, Messages::ExportAdvice}));
    if (got == sizeof header && (header[18] == 2 || header[19] == 2)) {
        const char plain[2] = {1, 1};
        if (std::fseek(file.get(), 18, SEEK_SET) != 0 || std::fwrite(plain, 1, 2, file.get()) != 2)
            return fail(error, Messages::CollectionNotUnpacked);
    }
    return true;
}

bool AnkiPackage::State::readCollection(const std::string& name, std::string* error)
{
    if (!unpackCollection(name, error))
        return false;
    const Connection db(collectionFile);
    if (!db.isOpen())
        return fail(error, Messages::format(Messages::CollectionNotOpened, {name, db.error()}));
    QSqlQuery col = db.query();
    if (!col.exec(QStringLiteral("SELECT ver, models, decks FROM col")) || !col.next())
        return fail(error, Messages::format(Messages::NoCollectionTable, {name, Messages::ExportAdvice}));
    schema = col.value(0).toInt();
    if (schema > NewestSchema)
        return fail(error, Messages::format(Messages::CollectionTooNew,
                                            {name, std::to_string(schema), std::to_string(NewestSchema),
                                             Messages::ExportAdvice}));
    if (schema < OldestSchema)
        return fail(error, Messages::format(Messages::CollectionTooOld, {name, std::to_string(schema)}));
    noteTypes.clear();
    decks.clear();
    if (db.hasTable("notetypes")) {
        QSqlQuery types = db.query();
        types.setForwardOnly(true);
        if (!types.exec(QStringLiteral("SELECT id, name FROM notetypes ORDER BY id")))
            return fail(error, Messages::format(Messages::NoteTypesUnread, {name}));
        std::unordered_map<int64_t, size_t> byId;
        while (types.next()) {
            byId[types.value(0).toLongLong()] = noteTypes.size();
            noteTypes.push_back({types.value(0).toLongLong(), text(types.value(1)), {}});
        }
        QSqlQuery fields = db.query();
        fields.setForwardOnly(true);
        if (!fields.exec(QStringLiteral("SELECT ntid, name FROM fields ORDER BY ntid, ord")))
            return fail(error, Messages::format(Messages::FieldsUnread, {name}));
        while (fields.next()) {
            const auto found = byId.find(fields.value(0).toLongLong());
            if (found != byId.end())
                noteTypes[found->second].fields.push_back(text(fields.value(1)));
        }
        QSqlQuery all = db.query();
        all.setForwardOnly(true);
        if (!all.exec(QStringLiteral("SELECT id, name FROM decks")))
            return fail(error, Messages::format(Messages::DecksUnread, {name}));
        while (all.next())
            decks.push_back(
                {all.value(0).toLongLong(), AnkiFields::deckName(all.value(1).toByteArray().toStdString())});
        std::sort(decks.begin(), decks.end(),
                  [](const AnkiDeck& a, const AnkiDeck& b) { return a.name < b.name; });
    } else {
        std::string why;
        if (!AnkiFields::parseJsonNoteTypes(col.value(1).toByteArray().toStdString(), noteTypes, &why) ||
            !AnkiFields::parseJsonDecks(col.value(2).toByteArray().toStdString(), decks, &why))
            return fail(error, Messages::format(Messages::PartProblem, {name, why}));
    }
    QSqlQuery count = db.query();
    if (!count.exec(QStringLiteral("SELECT mid, count(*) FROM notes GROUP BY mid")))
        return fail(error, Messages::format(Messages::NotesUnread, {name}));
    noteCount = 0;
    std::unordered_map<int64_t, AnkiNoteType*> typeById;
    for (AnkiNoteType& type : noteTypes)
        typeById.emplace(type.id, &type);
    while (count.next()) {
        noteCount += count.value(1).toULongLong();
        const auto type = typeById.find(count.value(0).toLongLong());
        if (type != typeById.end())
            type->second->notes = count.value(1).toULongLong();
    }
    FirstCards firstCard;
    if (!readFirstCards(db, firstCard))
        return fail(error, Messages::format(Messages::CardsUnread, {name}));
    std::unordered_map<int64_t, uint64_t> notesByDeck;
    for (const auto& card : firstCard)
        ++notesByDeck[card.second.second];
    for (AnkiDeck& deck : decks) {
        const auto found = notesByDeck.find(deck.id);
        deck.notes = found == notesByDeck.end() ? 0 : found->second;
    }
    // A package for newer programs carries an old-form collection of one note asking for an update.
    if (name != CollectionNames[0] && noteCount <= 1) {
        QSqlQuery note = db.query();
        if (note.exec(QStringLiteral("SELECT flds FROM notes")) && note.next() &&
            note.value(0).toString().contains(QLatin1String("update to the latest Anki"),
                                              Qt::CaseInsensitive))
            return fail(error, Messages::format(Messages::OnlyUpgradeNote, {name, Messages::ExportAdvice}));
    }
    return true;
}

bool AnkiPackage::State::readMediaList(std::string* error)
{
    entryByName.clear();
    if (zip_name_locate(archive.get(), "media", 0) < 0)
        return true;
    std::string bytes;
    if (!readEntry(archive.get(), "media", limits.mediaListBytes, true, bytes, error))
        return false;
    const size_t start = bytes.find_first_not_of(" \t\r\n");
    if (start == std::string::npos)
        return true;
    if (bytes[start] == '{')
        return AnkiFields::parseJsonMediaMap(bytes, entryByName, error);
    mediaCompressed = true;
    return AnkiFields::parseProtobufMediaMap(bytes, entryByName, error);
}

bool AnkiPackage::open(const std::string& path, std::string* error, const AnkiLimits& limits)
{
    d = std::make_unique<State>();
    d->limits = limits;
    int code = 0;
    d->archive.reset(zip_open(path.c_str(), ZIP_RDONLY, &code));
    if (!d->archive) {
        zip_error_t zipError;
        zip_error_init_with_code(&zipError, code);
        const std::string why = zip_error_strerror(&zipError);
        zip_error_fini(&zipError);
        return fail(error, Messages::format(Messages::NotAPackage, {path, why}));
    }
    if (!d->folder.isValid())
        return fail(error, Messages::NoTemporaryFolder);
    std::string firstError;
    bool found = false;
    for (const char* name : CollectionNames) {
        if (zip_name_locate(d->archive.get(), name, 0) < 0)
            continue;
        found = true;
        std::string why;
        if (d->readCollection(name, &why)) {
            d->collectionName = name;
            QFile::remove(d->collectionFile + QStringLiteral("-journal"));
            return d->readMediaList(error);
        }
        QFile::remove(d->collectionFile);
        // The newest form's reason counts: an older copy is often only a placeholder.
        if (firstError.empty())
            firstError = why;
    }
    if (!found)
        return fail(error, Messages::format(Messages::NoCollection, {path, Messages::ExportAdvice}));
    return fail(error, firstError);
}

const std::string& AnkiPackage::collectionName() const
{
    return d->collectionName;
}

int AnkiPackage::schemaVersion() const
{
    return d->schema;
}

const std::vector<AnkiNoteType>& AnkiPackage::noteTypes() const
{
    return d->noteTypes;
}

const std::vector<AnkiDeck>& AnkiPackage::decks() const
{
    return d->decks;
}

uint64_t AnkiPackage::noteCount() const
{
    return d->noteCount;
}

std::string AnkiPackage::State::copyMedia(const std::string& name, MediaKind kind,
                                          const AnkiImportOptions& options,
                                          std::unordered_map<std::string, std::string>& copied,
                                          std::vector<std::string>& missing,
                                          std::unordered_set<std::string>& listed)
{
    const auto done = copied.find(name);
    if (done != copied.end())
        return done->second;
    auto give = [&](std::string result, const std::string& why) {
        if (!why.empty() && listed.insert(name).second)
            missing.push_back(Utf8::sanitized(name) + ": " + why);
        copied.emplace(name, result);
        return result;
    };
    auto entry = entryByName.find(name);
    if (entry == entryByName.end())
        entry = entryByName.find(percentDecoded(name));
    if (entry == entryByName.end())
        return give({}, "not in the package");
    std::string why;
    std::string safe = playableName(entry->first, kind, why);
    const bool convert = safe.empty() && options.convert;
    if (convert) {
        // Under the ending of what it becomes.
        safe = AnkiFields::safeFileName(entry->first);
        const size_t dot = safe.rfind('.');
        safe = (dot == std::string::npos ? safe : safe.substr(0, dot)) +
               (kind == MediaKind::Sound ? ".wav" : ".jpg");
    }
    if (safe.empty())
        return give({}, why);
    if (options.programFolder.empty())
        return give(safe, {});
    std::string bytes;
    if (!readEntry(archive.get(), entry->second, limits.mediaFileBytes, mediaCompressed, bytes, &why))
        return give({}, why);
    if (convert) {
        std::string converted;
        if (!options.convert(kind == MediaKind::Sound, bytes, converted))
            return give({}, why + "; it could not be converted");
        bytes = std::move(converted);
    }
    const std::string folder =
        options.programFolder + (kind == MediaKind::Sound ? "/quiz_sounds" : "/quiz_pictures");
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    // Never over another file of the same name: the same bytes are taken as they are, others get a new name.
    for (int n = 1; n < 1000; ++n) {
        const std::string candidate = numbered(safe, n);
        const std::string target = folder + "/" + candidate;
        std::error_code status;
        if (std::filesystem::symlink_status(target, status).type() != std::filesystem::file_type::not_found) {
            std::string existing;
            if (std::filesystem::is_regular_file(target, status) &&
                FileReader::read(target, existing, nullptr, bytes.size()) && existing == bytes)
                return give(candidate, {});
            continue;
        }
        if (!SaveFile::write(target, bytes, &why))
            return give({}, why);
        return give(candidate, {});
    }
    return give({}, "too many files of that name in " + folder);
}

bool AnkiPackage::read(const AnkiImportOptions& options, ImportResult& result, const ImportProgress& progress,
                       std::string* error)
{
    result = ImportResult();
    if (!d->archive || d->collectionName.empty())
        return fail(error, Messages::NoPackageOpen);
    const Connection db(d->collectionFile);
    if (!db.isOpen())
        return fail(error, Messages::format(Messages::CollectionNotOpened, {d->collectionName, db.error()}));

    FirstCards firstCard;
    if (!readFirstCards(db, firstCard))
        return fail(error, Messages::format(Messages::CardsUnread, {d->collectionName}));
    std::unordered_map<int64_t, const std::string*> deckById;
    for (const AnkiDeck& deck : d->decks)
        deckById.emplace(deck.id, &deck.name);
    auto inChosenDeck = [&](const std::string& deck) {
        return options.deck.empty() || deck == options.deck ||
               (deck.size() > options.deck.size() + 2 &&
                deck.compare(0, options.deck.size(), options.deck) == 0 &&
                deck.compare(options.deck.size(), 2, "::") == 0);
    };

    QSqlQuery notes = db.query();
    notes.setForwardOnly(true);
    if (!notes.exec(QStringLiteral("SELECT id, mid, flds FROM notes ORDER BY id")))
        return fail(error, Messages::format(Messages::NotesUnread, {d->collectionName}));
    std::unordered_map<std::string, std::string> copied;
    std::unordered_set<std::string> listed;
    std::unordered_set<std::string> decksSeen;
    const AnkiFieldChoice firstTwo;
    uint64_t done = 0;
    while (notes.next()) {
        ++done;
        if (progress && done % 1000 == 0 && !progress(done, d->noteCount))
            return fail(error, Messages::ImportCancelled);
        std::string deck;
        const auto card = firstCard.find(notes.value(0).toLongLong());
        if (card != firstCard.end()) {
            const auto name = deckById.find(card->second.second);
            if (name != deckById.end())
                deck = *name->second;
        }
        if (!inChosenDeck(deck))
            continue;
        const auto choice = options.fields.find(notes.value(1).toLongLong());
        const AnkiFieldChoice& chosen = choice == options.fields.end() ? firstTwo : choice->second;
        const QByteArray stored = notes.value(2).toByteArray();
        const int needed = std::max({chosen.question, chosen.answer, chosen.notes}) + 2;
        const auto fields =
            AnkiFields::split(std::string_view(stored.constData(), size_t(stored.size())), size_t(needed));
        auto field = [&](int index) {
            // The last part may hold the fields after it; no chosen index reaches it.
            return index >= 0 && size_t(index) < fields.size() ? Utf8::sanitized(fields[size_t(index)])
                                                               : std::string();
        };
        std::string question = field(chosen.question);
        std::string answer = field(chosen.answer);
        std::string notes = field(chosen.notes);
        const HtmlText::MediaNames questionMedia = HtmlText::mediaNames(question);
        const HtmlText::MediaNames answerMedia = HtmlText::mediaNames(answer);
        // A cloze asks for its gaps; what the answer field held ("Back Extra") becomes the notes.
        std::string gapped, gaps;
        if (AnkiFields::splitCloze(question, gapped, gaps)) {
            if (chosen.notes < 0)
                notes = std::move(answer);
            question = std::move(gapped);
            answer = std::move(gaps);
        }
        auto plain = [&](const std::string& html) {
            std::string text = HtmlText::withoutSounds(html);
            if (options.keepHtml)
                return text;
            if (HtmlText::looksLikeHtml(text))
                ++result.htmlFields;
            // Card editors store every field as HTML ("a &lt; b"), markup or not.
            return HtmlText::toPlainText(text);
        };
        ImportedPair pair;
        pair.line = int64_t(done);
        pair.question = plain(question);
        pair.answer = plain(answer);
        pair.notes = plain(notes);
        pair.deck = deck;
        auto media = [&](const std::vector<std::string>& names, MediaKind kind) {
            for (const std::string& name : names) {
                std::string taken = d->copyMedia(name, kind, options, copied, result.missingMedia, listed);
                if (!taken.empty())
                    return taken;
            }
            return std::string();
        };
        pair.questionSound = media(questionMedia.sounds, MediaKind::Sound);
        pair.answerSound = media(answerMedia.sounds, MediaKind::Sound);
        pair.picturePath = media(questionMedia.pictures, MediaKind::Picture);
        if (pair.picturePath.empty())
            pair.picturePath = media(answerMedia.pictures, MediaKind::Picture);
        // A card whose front is only a picture or a sound still asks something.
        if (pair.question.empty() && (!pair.picturePath.empty() || !pair.questionSound.empty()))
            pair.question = "?";
        if (pair.question.empty() || pair.answer.empty()) {
            ++result.skippedCount;
            if (result.skipped.size() < ImportResult::ListedSkips) {
                std::string shown = Utf8::sanitized(
                    std::string_view(stored.constData(), size_t(std::min<qsizetype>(stored.size(), 240))));
                std::replace(shown.begin(), shown.end(), '\x1f', ' ');
                result.skipped.push_back(
                    {pair.line, pair.question.empty() ? SkipReason::EmptyQuestion : SkipReason::EmptyAnswer,
                     Utf8::encode(Utf8::decode(shown).substr(0, 80))});
            }
            continue;
        }
        if (!deck.empty() && decksSeen.insert(deck).second)
            result.decks.push_back(deck);
        if (result.preview.size() < ImportResult::PreviewRows)
            result.preview.push_back({pair.line, {pair.question, pair.answer}});
        result.pairs.push_back(std::move(pair));
    }
    if (progress && !progress(done, d->noteCount))
        return fail(error, Messages::ImportCancelled);
    std::sort(result.decks.begin(), result.decks.end());
    result.columns = {ColumnRole::Question, ColumnRole::Answer};
    return true;
}

bool AnkiPackage::importFile(const std::string& path, const AnkiImportOptions& options, ImportResult& result,
                             const ImportProgress& progress, std::string* error, const AnkiLimits& limits)
{
    AnkiPackage package;
    return package.open(path, error, limits) && package.read(options, result, progress, error);
}

bool AnkiPackage::looksLikePackage(const std::string& path)
{
    int code = 0;
    std::unique_ptr<zip_t, ZipCloser> archive(zip_open(path.c_str(), ZIP_RDONLY, &code));
    if (!archive)
        return false;
    return std::any_of(std::begin(CollectionNames), std::end(CollectionNames),
                       [&](const char* name) { return zip_name_locate(archive.get(), name, 0) >= 0; });
}

} // namespace brainlark
