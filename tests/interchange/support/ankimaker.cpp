#include "interchange/support/ankimaker.h"

#include <atomic>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <zip.h>
#include <zstd.h>

namespace brainlark::ankimaker
{

namespace
{

void check(bool ok, const std::string& what)
{
    if (!ok)
        throw std::runtime_error(what);
}

std::string jsonText(const std::string& text)
{
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

void varint(std::string& out, uint64_t value)
{
    while (value >= 0x80) {
        out += char((value & 0x7f) | 0x80);
        value >>= 7;
    }
    out += char(value);
}

} // namespace

void writeCollection(const std::string& path, const AnkiCollection& collection, int schema)
{
    static std::atomic<int> serial{0};
    const QString name = QStringLiteral("anki-maker-%1").arg(++serial);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(QString::fromStdString(path));
        check(db.open(), "cannot create " + path);
        QSqlQuery q(db);
        auto run = [&](const QString& sql) { check(q.exec(sql), q.lastError().text().toStdString()); };
        run(QStringLiteral(
            "CREATE TABLE col (id integer primary key, crt integer, mod integer, scm integer, ver integer, "
            "dty integer, usn integer, ls integer, conf text, models text, decks text, dconf text, tags "
            "text)"));
        run(QStringLiteral(
            "CREATE TABLE notes (id integer primary key, guid text, mid integer, mod integer, usn integer, "
            "tags text, flds text, sfld integer, csum integer, flags integer, data text)"));
        run(QStringLiteral(
            "CREATE TABLE cards (id integer primary key, nid integer, did integer, ord integer, mod integer, "
            "usn integer, type integer, queue integer, due integer, ivl integer, factor integer, reps "
            "integer, "
            "lapses integer, left integer, odue integer, odid integer, flags integer, data text)"));
        std::string models = "{}", decks = "{}";
        db.transaction();
        if (schema >= 15) {
            run(QStringLiteral("CREATE TABLE notetypes (id integer primary key, name text, mtime_secs "
                               "integer, usn integer, config blob)"));
            run(QStringLiteral("CREATE TABLE fields (ntid integer, ord integer, name text, config blob, "
                               "primary key (ntid, ord))"));
            run(QStringLiteral("CREATE TABLE decks (id integer primary key, name text, mtime_secs integer, "
                               "usn integer, common blob, kind blob)"));
            for (const AnkiNoteType& type : collection.noteTypes) {
                q.prepare(QStringLiteral("INSERT INTO notetypes VALUES (?, ?, 0, 0, x'')"));
                q.addBindValue(qlonglong(type.id));
                q.addBindValue(QString::fromStdString(type.name));
                check(q.exec(), "notetype");
                for (size_t i = 0; i < type.fields.size(); ++i) {
                    q.prepare(QStringLiteral("INSERT INTO fields VALUES (?, ?, ?, x'')"));
                    q.addBindValue(qlonglong(type.id));
                    q.addBindValue(qlonglong(i));
                    q.addBindValue(QString::fromStdString(type.fields[i]));
                    check(q.exec(), "field");
                }
            }
            for (const AnkiDeck& deck : collection.decks) {
                std::string stored = deck.name;
                for (size_t at = stored.find("::"); at != std::string::npos; at = stored.find("::", at))
                    stored.replace(at, 2, "\x1f");
                q.prepare(QStringLiteral("INSERT INTO decks VALUES (?, ?, 0, 0, x'', x'')"));
                q.addBindValue(qlonglong(deck.id));
                q.addBindValue(QString::fromStdString(stored));
                check(q.exec(), "deck");
            }
            models.clear();
            decks.clear();
        } else {
            std::ostringstream m, d;
            m << "{";
            for (size_t t = 0; t < collection.noteTypes.size(); ++t) {
                const AnkiNoteType& type = collection.noteTypes[t];
                m << (t ? "," : "") << "\"" << type.id << "\":{\"id\":" << type.id
                  << ",\"name\":" << jsonText(type.name) << ",\"flds\":[";
                // Written in reverse: the reader orders them by "ord".
                for (size_t i = type.fields.size(); i-- > 0;)
                    m << "{\"name\":" << jsonText(type.fields[i]) << ",\"ord\":" << i << "}"
                      << (i ? "," : "");
                m << "],\"tmpls\":[]}";
            }
            m << "}";
            d << "{";
            for (size_t i = 0; i < collection.decks.size(); ++i)
                d << (i ? "," : "") << "\"" << collection.decks[i].id
                  << "\":{\"id\":" << collection.decks[i].id
                  << ",\"name\":" << jsonText(collection.decks[i].name) << "}";
            d << "}";
            models = m.str();
            decks = d.str();
        }
        q.prepare(QStringLiteral("INSERT INTO col VALUES (1, 0, 0, 0, ?, 0, 0, 0, '{}', ?, ?, '{}', '{}')"));
        q.addBindValue(schema);
        q.addBindValue(QString::fromStdString(models));
        q.addBindValue(QString::fromStdString(decks));
        check(q.exec(), "col");
        QSqlQuery note(db), card(db);
        note.prepare(QStringLiteral("INSERT INTO notes VALUES (?, 'g', ?, 0, 0, '', ?, 0, 0, 0, '')"));
        card.prepare(QStringLiteral(
            "INSERT INTO cards VALUES (?, ?, ?, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, ?, 0, '')"));
        int64_t id = 1000;
        for (const AnkiNote& n : collection.notes) {
            std::string fields;
            for (size_t i = 0; i < n.fields.size(); ++i)
                fields += (i ? "\x1f" : "") + n.fields[i];
            note.bindValue(0, qlonglong(++id));
            note.bindValue(1, qlonglong(n.noteType));
            note.bindValue(2, QString::fromStdString(fields));
            check(note.exec(), note.lastError().text().toStdString());
            card.bindValue(0, qlonglong(id));
            card.bindValue(1, qlonglong(id));
            card.bindValue(2, qlonglong(n.filteredDeck ? n.filteredDeck : n.deck));
            card.bindValue(3, qlonglong(n.filteredDeck ? n.deck : 0));
            check(card.exec(), card.lastError().text().toStdString());
        }
        check(db.commit(), "commit");
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

void writeZip(const std::string& path, const std::vector<ZipEntry>& entries)
{
    int code = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    check(archive != nullptr, "cannot create " + path);
    for (const ZipEntry& entry : entries) {
        zip_source_t* source = zip_source_buffer(archive, entry.bytes.data(), entry.bytes.size(), 0);
        check(source && zip_file_add(archive, entry.name.c_str(), source, ZIP_FL_ENC_UTF_8) >= 0, "zip add");
    }
    check(zip_close(archive) == 0, "zip close");
}

std::string zstdCompress(std::string_view bytes)
{
    std::string out(ZSTD_compressBound(bytes.size()), '\0');
    const size_t size = ZSTD_compress(out.data(), out.size(), bytes.data(), bytes.size(), 3);
    check(!ZSTD_isError(size), "zstd");
    out.resize(size);
    return out;
}

std::string fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const std::string& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    check(bool(out), "cannot write " + path);
}

std::string protobufMediaList(const std::vector<std::string>& names)
{
    std::string list;
    for (const std::string& name : names) {
        std::string entry;
        varint(entry, (1 << 3) | 2);
        varint(entry, name.size());
        entry += name;
        varint(entry, (2 << 3) | 0);
        varint(entry, 123);
        varint(list, (1 << 3) | 2);
        varint(list, entry.size());
        list += entry;
    }
    return list;
}

std::string makePackage(const std::string& folder, const std::string& fileName,
                        const AnkiCollection& collection, AnkiForm form,
                        const std::map<std::string, std::string>& media)
{
    const std::string database = folder + "/" + fileName + ".db";
    const int schema = collection.schema ? collection.schema : form == AnkiForm::Newest ? 18 : 11;
    writeCollection(database, collection, schema);
    std::vector<ZipEntry> entries;
    const std::string bytes = fileBytes(database);
    switch (form) {
    case AnkiForm::Legacy:
        entries.push_back({"collection.anki2", bytes});
        break;
    case AnkiForm::Anki21:
        entries.push_back({"collection.anki21", bytes});
        break;
    case AnkiForm::Newest:
        entries.push_back({"collection.anki21b", zstdCompress(bytes)});
        break;
    }
    std::string json = "{";
    std::vector<std::string> names;
    for (const auto& [name, content] : media) {
        const std::string entry = std::to_string(names.size());
        json += (names.empty() ? "\"" : ",\"") + entry + "\":" + jsonText(name);
        names.push_back(name);
        entries.push_back({entry, form == AnkiForm::Newest ? zstdCompress(content) : content});
    }
    json += "}";
    entries.push_back({"media", form == AnkiForm::Newest ? zstdCompress(protobufMediaList(names)) : json});
    const std::string path = folder + "/" + fileName;
    writeZip(path, entries);
    std::remove(database.c_str());
    return path;
}

} // namespace brainlark::ankimaker
