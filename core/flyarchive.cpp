#include "core/flyarchive.h"

#include <algorithm>
#include <new>
#include <stdexcept>

#include "core/archiveclasstable.h"
#include "core/archivereader.h"
#include "core/archivewriter.h"
#include "core/cp1252.h"
#include "core/filereader.h"
#include "core/savefile.h"
#include "core/utf16.h"

namespace brainlark
{

namespace
{

constexpr uint16_t NewClassTag = 0xFFFF;
constexpr uint16_t ClassTag = 0x8000;
constexpr uint16_t BigObjectTag = 0x7FFF;
constexpr uint32_t BigClassTag = 0x80000000u;
constexpr uint16_t MaxClassNameLength = 64;
constexpr int OldestSchema = 1;
constexpr uint32_t OldestVersion = 1;

// Wraps the primitive reader with what a list read shares across both arrays: the object table and the
// pair schema fixed by the file's first class definition.
struct ListSource {
    ListSource(TextStore bytes, bool own) : store(std::move(bytes)), in(store.view()), compact(own) {}
    TextStore store;     // the file's bytes; questions and answers are kept in them (see readPairArray)
    TextStore converted; // the UTF-8 of questions and answers that are not
    ArchiveReader in;
    ArchiveClassTable table;
    int schema = 0;
    // A load owns the bytes: every question and answer is moved, as UTF-8, to the front of them (`kept` is
    // where the next one goes). Only ASCII ones stay where they are when the bytes are someone else's.
    bool compact;
    size_t kept = 0;
};

void readClassDefinition(ListSource& src)
{
    const uint16_t schema = src.in.readU16();
    const uint16_t nameLength = src.in.readU16();
    if (nameLength >= MaxClassNameLength)
        ArchiveReader::fail("unknown class");
    if (src.in.readBytes(nameLength) != FlyArchive::PairClassTag)
        ArchiveReader::fail("unknown class");
    // Only the first definition sets the schema; the writer never repeats it, so a later one is ignored.
    if (src.schema == 0) {
        if (schema < OldestSchema || schema > FlyArchive::CurrentSchema)
            ArchiveReader::fail("bad schema " + std::to_string(schema));
        src.schema = schema;
    }
    src.table.defineClass();
}

// One object's tag: a new class definition or a reference to a class read before. Back-references to
// objects and null entries are refused, so no pair is ever shared between two slots. `in` is the caller's
// copy of src.in (see readPairArray).
void readObjectTag(ArchiveReader& in, ListSource& src)
{
    const uint16_t tag = in.readU16();
    if (tag == NewClassTag) {
        src.in = in;
        readClassDefinition(src);
        in = src.in;
    } else {
        const uint32_t full = tag == BigObjectTag
                                  ? in.readU32()
                                  : (static_cast<uint32_t>(tag & ClassTag) << 16) | (tag & 0x7FFFu);
        if (full == 0)
            ArchiveReader::fail("null entry in list");
        if ((full & BigClassTag) == 0)
            ArchiveReader::fail("object reference in list");
        const uint32_t index = full & ~BigClassTag;
        if (!src.table.isClass(index))
            ArchiveReader::fail("undefined class index " + std::to_string(index));
    }
    src.table.addObject();
}

// Smallest number of bytes one object can take, to bound what a claimed count may reserve.
size_t minimumObjectSize(int schema)
{
    const size_t tag = 2;
    const size_t strings = schema >= 7 ? 6 : schema >= 4 ? 5 : schema >= 3 ? 4 : 2;
    const size_t numbers = schema >= 5 ? 5 : schema >= 2 ? 4 : 2;
    return tag + strings + numbers * 4;
}

// Reads the fields after question and answer.
void readPairBody(ArchiveReader& in, int schema, Pair& word)
{
    word.setTimesInQuestion(in.readI32());
    word.setRating(in.readFloat());
    if (schema >= 2) {
        word.setRight(in.readI32());
        word.setWrong(in.readI32());
    }
    // Most pairs have none of these, and a new pair has them all empty: only texts are stored.
    if (schema >= 3) {
        if (const auto sound = in.readStoredText(); !sound.bytes.empty())
            word.setSoundPath(ArchiveReader::toUtf8(sound), 1);
        if (const auto sound = in.readStoredText(); !sound.bytes.empty())
            word.setSoundPath(ArchiveReader::toUtf8(sound), 2);
    }
    if (schema >= 4) {
        if (const auto hint = in.readStoredText(); !hint.bytes.empty())
            word.setHint(ArchiveReader::toUtf8(hint));
    }
    if (schema >= 5)
        word.setKind(in.readI32());
    if (schema >= 7) {
        if (const auto picture = in.readStoredText(); !picture.bytes.empty())
            word.setPicturePath(ArchiveReader::toUtf8(picture));
    }
    word.clampLoadedRating();
}

// Where the pairs of one array go: kept in the list (a load) or handed on one at a time (a scan).
// Texts that are not plain ASCII are converted to UTF-8 into a store of their own.
struct KeepPairs {
    std::vector<Pair>& pairs;
    void reserve(size_t count) { pairs.reserve(count); }
    TextStore& convertedStore(TextStore& shared) { return shared; }
    Pair& make(const TextStore& store, TextSpan question, TextSpan answer)
    {
        return pairs.emplace_back(store, question, answer);
    }
    void done(const Pair&) {}
};

struct PassPairs {
    const FlyArchive::PairVisitor& visit;
    FlyArchive::PairArray array;
    Pair current;
    TextStore converted;
    void reserve(size_t) {}
    // One small store per pair: a scan keeps no more than the pair it hands on.
    TextStore& convertedStore(TextStore&)
    {
        converted = TextStore();
        return converted;
    }
    Pair& make(const TextStore& store, TextSpan question, TextSpan answer)
    {
        current = Pair(store, question, answer);
        return current;
    }
    void done(const Pair& pair)
    {
        if (visit)
            visit(array, pair);
    }
};

bool isPlain(const ArchiveReader::StoredText& text)
{
    return !text.wide && Cp1252::isAscii(text.bytes);
}

// How much longer a text can get in UTF-8 than it is stored: at most, and counted.
size_t mostGrowth(const ArchiveReader::StoredText& text)
{
    return text.wide ? text.bytes.size() / 2 : 2 * text.bytes.size();
}

size_t growth(const ArchiveReader::StoredText& text)
{
    return text.wide ? Utf16::threeByteUnits(text.bytes) : 2 * Cp1252::highBytes(text.bytes);
}

// Everything before the reader was read, so the UTF-8 of both texts may be written from `kept` on as long as
// it never overtakes what is still to be read: enough room must be left before each text for it to grow.
// Then the texts of a load take no memory beyond the file's (a text always gains the bytes of the fields
// before it; only texts that grow a lot right at the start of a file have to go elsewhere).
template <typename Sink>
Pair* makeCompacted(ListSource& src, Sink& sink, const ArchiveReader::StoredText& question,
                    const ArchiveReader::StoredText& answer)
{
    const size_t questionAt = src.in.spanOf(question.bytes).offset;
    const size_t answerAt = src.in.spanOf(answer.bytes).offset;
    // A conversion may also write a few bytes beyond the end of what it gives.
    const size_t kept = src.kept + Cp1252::OverWrite;
    const auto fits = [&](size_t questionGrowth, size_t answerGrowth) {
        return kept + questionGrowth <= questionAt &&
               kept + question.bytes.size() + questionGrowth + answerGrowth <= answerAt;
    };
    // The fields between texts leave so much room that counting is seldom needed.
    if (!fits(mostGrowth(question), mostGrowth(answer)) && !fits(growth(question), growth(answer)))
        return nullptr;
    char* const base = src.store.data();
    char* const start = base + src.kept;
    char* const middle = ArchiveReader::toUtf8(question, start);
    char* const end = ArchiveReader::toUtf8(answer, middle);
    const auto offset = static_cast<uint32_t>(src.kept);
    const auto questionSize = static_cast<uint32_t>(middle - start);
    src.kept = static_cast<size_t>(end - base);
    return &sink.make(src.store, {offset, questionSize},
                      {offset + questionSize, static_cast<uint32_t>(end - middle)});
}

// Both texts are converted straight into the store, which is given room for the longest forms first.
template <typename Sink>
Pair& makeConverted(ListSource& src, Sink& sink, const ArchiveReader::StoredText& question,
                    const ArchiveReader::StoredText& answer)
{
    TextStore& store = sink.convertedStore(src.converted);
    const size_t used = store.size();
    char* const start = store.room(ArchiveReader::maxUtf8Size(question) + ArchiveReader::maxUtf8Size(answer));
    char* const middle = ArchiveReader::toUtf8(question, start);
    char* const end = ArchiveReader::toUtf8(answer, middle);
    store.resize(used + static_cast<size_t>(end - start));
    const auto offset = static_cast<uint32_t>(used);
    const auto questionSize = static_cast<uint32_t>(middle - start);
    return sink.make(store, {offset, questionSize},
                     {offset + questionSize, static_cast<uint32_t>(end - middle)});
}

template <typename Sink> void readPairArray(ListSource& src, Sink& sink)
{
    // A local copy of the cursor that no one else can see stays in registers; through src, every byte
    // stored into a new pair could have changed it as far as the compiler knows.
    ArchiveReader in = src.in;
    const uint32_t count = in.readCount();
    // The count is a claim, not a promise: reserve only what the remaining bytes could hold.
    sink.reserve(std::min<size_t>(count, in.remaining() / minimumObjectSize(src.schema)));
    for (uint32_t i = 0; i < count; ++i) {
        in.prefetchAhead();
        readObjectTag(in, src);
        const ArchiveReader::StoredText question = in.readStoredText();
        const ArchiveReader::StoredText answer = in.readStoredText();
        Pair* kept = nullptr;
        if (src.compact)
            kept = makeCompacted(src, sink, question, answer);
        else if (isPlain(question) && isPlain(answer))
            kept = &sink.make(src.store, in.spanOf(question.bytes), in.spanOf(answer.bytes));
        Pair& pair = kept ? *kept : makeConverted(src, sink, question, answer);
        readPairBody(in, src.schema, pair);
        sink.done(pair);
    }
    src.in = in;
}

// The oldest files end right after the pairs; a missing (or cut) version means version 1.
uint32_t readVersion(ArchiveReader& in)
{
    if (in.remaining() < 4)
        return OldestVersion;
    const uint32_t version = in.readU32();
    if (version < OldestVersion || version > FlyArchive::CurrentVersion)
        ArchiveReader::fail("bad list version " + std::to_string(version));
    return version;
}

template <typename Sink>
void readListFields(ListSource& src, uint32_t version, PairList& list, Sink& wrongAnswers)
{
    ArchiveReader& in = src.in;
    if (version == 1) {
        list.setNotes("no description available");
        return;
    }
    list.setNotes(in.readString());
    if (version <= 5) {
        list.setPassword("n/a");
        return;
    }
    readPairArray(src, wrongAnswers);
    if (version <= 7) {
        list.setCreatedStamp("s. 2-5");
        list.setSavedStamp("s. 2-5");
        list.setPassword("n/a");
        return;
    }
    list.setCreatedStamp(in.readString());
    list.setSavedStamp(in.readString());
    list.setPassword(in.readString());
    if (version >= 9)
        list.setSubject(in.readString());
    if (version >= 10)
        list.setLastIndex(in.readI32());
}

// Room for the whole file up front. Summing every text length would mean an extra walk over all pairs, which
// costs about as much as writing them; a per-object estimate is nearly always enough, and the writer grows
// geometrically when it is not.
size_t estimatedSize(const PairList& list)
{
    const size_t perObject = 80;
    const size_t listTexts = list.notes().size() + list.createdStamp().size() + list.savedStamp().size() +
                             list.password().size() + list.subject().size();
    return 64 + listTexts + (list.pairs().size() + list.wrongAnswers().size()) * perObject;
}

// The first object of the file defines the class (index 1); every later one refers to it.
void writeObjectTag(ArchiveWriter& out, bool& classWritten)
{
    if (classWritten) {
        out.writeU16(ClassTag | 1);
        return;
    }
    out.writeU16(NewClassTag);
    out.writeU16(FlyArchive::CurrentSchema);
    out.writeU16(4);
    out.writeBytes(FlyArchive::PairClassTag.data(), FlyArchive::PairClassTag.size());
    classWritten = true;
}

void writePairArray(ArchiveWriter& out, const std::vector<Pair>& words, bool& classWritten)
{
    out.writeCount(static_cast<uint32_t>(words.size()));
    for (const Pair& w : words) {
        writeObjectTag(out, classWritten);
        out.writeString(w.question());
        out.writeString(w.answer());
        out.writeI32(w.timesInQuestion());
        out.writeFloat(w.rating());
        out.writeI32(w.right());
        out.writeI32(w.wrong());
        out.writeString(w.soundPathOne());
        out.writeString(w.soundPathTwo());
        out.writeString(w.hint());
        out.writeI32(w.kind());
        out.writeString(w.picturePath());
    }
}

// The whole list in file order: the pairs, the version, the list's fields with the wrong answers among them.
template <typename PairSink, typename WrongSink>
uint32_t readList(ListSource& src, PairList& list, PairSink pairs, WrongSink wrongAnswers)
{
    readPairArray(src, pairs);
    const uint32_t version = readVersion(src.in);
    readListFields(src, version, list, wrongAnswers);
    // Sequential selection resumes one pair before the last one asked.
    if (list.lastIndex() > 1)
        list.setLastIndex(list.lastIndex() - 2);
    return version;
}

// Reads a list whose bytes become the store of the pairs' texts.
LoadResult readStore(TextStore bytes, PairList& out)
{
    try {
        ListSource src{std::move(bytes), true};
        PairList list;
        const uint32_t version = readList(src, list, KeepPairs{list.pairs()}, KeepPairs{list.wrongAnswers()});
        // What lies beyond the kept texts was read and is not needed any more.
        src.store.shrink(src.kept);
        out = std::move(list);
        return {true, {}, version};
    } catch (const std::runtime_error& e) {
        return {false, e.what()};
    } catch (const std::bad_alloc&) {
        return {false, "out of memory"};
    }
}

} // namespace

LoadResult FlyArchive::read(std::string_view bytes, PairList& out)
{
    if (bytes.size() > TextStore::MaxSize)
        return {false, "file too large"};
    TextStore store;
    store.append(bytes);
    return readStore(std::move(store), out);
}

LoadResult FlyArchive::scan(const TextStore& bytes, PairList& fields, const PairVisitor& visit)
{
    try {
        ListSource src{bytes, false};
        PairList list;
        const uint32_t version = readList(src, list, PassPairs{visit, PairArray::Pairs, {}, {}},
                                          PassPairs{visit, PairArray::WrongAnswers, {}, {}});
        fields = std::move(list);
        return {true, {}, version};
    } catch (const std::runtime_error& e) {
        return {false, e.what()};
    } catch (const std::bad_alloc&) {
        return {false, "out of memory"};
    }
}

LoadResult FlyArchive::readFile(const std::string& path, PairList& out)
{
    TextStore bytes;
    std::string error;
    if (!FileReader::read(path, bytes, &error))
        return {false, error};
    return readStore(std::move(bytes), out);
}

std::string FlyArchive::write(PairList& list, const std::string& stamp)
{
    // The bytes hold the raw (entered) texts whatever the orientation, so unreversing and stamping before
    // serialising gives the same file as doing it after the pairs.
    list.unreverse();
    if (list.createdStamp().empty())
        list.setCreatedStamp(stamp);
    else
        list.setSavedStamp(stamp);

    ArchiveWriter out(estimatedSize(list));
    bool classWritten = false;
    writePairArray(out, list.pairs(), classWritten);
    out.writeU32(CurrentVersion);
    out.writeString(list.notes());
    writePairArray(out, list.wrongAnswers(), classWritten);
    out.writeString(list.createdStamp());
    out.writeString(list.savedStamp());
    out.writeString(list.password());
    out.writeString(list.subject());
    out.writeI32(list.lastIndex());
    return out.take();
}

bool FlyArchive::writeFile(const std::string& path, PairList& list, const std::string& stamp,
                           std::string* error)
{
    SaveFile file(path);
    if (!file.open(error))
        return false;
    return file.commit(write(list, stamp), error);
}

bool FlyArchive::writeExistingFile(const std::string& path, PairList& list, const std::string& stamp,
                                   std::string* error)
{
    if (!SaveFile::isWritableFile(path, error))
        return false;
    return writeFile(path, list, stamp, error);
}

std::string FlyArchive::makeStamp(const std::string& localDateTime)
{
    return "Version 4.0###Brainlark for Linux###" + localDateTime;
}

} // namespace brainlark
