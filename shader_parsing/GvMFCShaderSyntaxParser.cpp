#include "GvShaderParsing.h"

#include <algorithm>
#include <cstring>
#include "GvOpenHash.h"
#include "GvParserObjects.h"
#include "GvStringFunctions.h"

typedef GvMFCShaderSyntaxParser Parser;
typedef Parser::ParseResult ParseResult;

namespace {

const unsigned int kHashOffset = 2166136261u;
const unsigned int kHashPrime = 16777619u;

inline unsigned int HashStep(unsigned int hash, unsigned short unit)
{
    return (hash ^ unit) * kHashPrime;
}

// Names are short: a plain loop beats a call to memcmp.
inline bool UnitsEqual(const unsigned short* a, const unsigned short* b, int length)
{
    for (int i = 0; i < length; ++i)
        if (a[i] != b[i])
            return false;
    return true;
}

inline bool NameEquals(const GvStringW& name, const unsigned short* units, int length)
{
    return name.GetLength() == length && UnitsEqual(name.GetText(), units, length);
}

inline bool IsWordOrDigit(unsigned int charClass)
{
    return charClass - Parser::CHAR_WORD < 2u;
}

// The word index knows a run by a 64-bit key: each unit is XORed in after a
// rotation by 16 bits. A run of up to four units is its own key, and two
// runs of one length with one key that agree in all but their last four
// units agree in those too.
inline unsigned long long AddToKey(unsigned long long key, unsigned short unit)
{
    return (key << 16 | key >> 48) ^ unit;
}

inline unsigned long long KeyOf(const unsigned short* units, int length)
{
    unsigned long long key = 0;
    for (int i = 0; i < length; ++i)
        key = AddToKey(key, units[i]);
    return key;
}

// Fibonacci hashing: the high half of the product mixes every bit of the key.
inline unsigned int HashKey(unsigned long long key, int length)
{
    return static_cast<unsigned int>(((key + static_cast<unsigned int>(length)) * 0x9E3779B97F4A7C15ull) >> 32);
}

// End of the run of class 1 and 2 units that the word unit at s begins;
// key receives its KeyOf.
inline const unsigned short* ScanWordRun(const unsigned short* s, const unsigned short* stop,
                                         const unsigned int* charClass, unsigned long long& key)
{
    unsigned long long k = AddToKey(0, *s);
    for (++s; s < stop; ++s) {
        const unsigned short unit = *s;
        if (!IsWordOrDigit(charClass[unit]))
            break;
        k = AddToKey(k, unit);
    }
    key = k;
    return s;
}

inline const unsigned short* SkipWordRun(const unsigned short* s, const unsigned short* stop,
                                         const unsigned int* charClass)
{
    while (s < stop && IsWordOrDigit(charClass[*s]))
        ++s;
    return s;
}

const unsigned short kEmpty[1] = {0};

} // namespace

void GvFillShaderCharClassTable(unsigned int* table)
{
    for (int i = 0; i < Parser::CHAR_CLASS_COUNT; ++i)
        table[i] = Parser::CHAR_SPACE;
    for (int c = 'A'; c <= 'Z'; ++c)
        table[c] = table[c + ('a' - 'A')] = Parser::CHAR_WORD;
    table['_'] = Parser::CHAR_WORD;
    for (int c = '0'; c <= '9'; ++c)
        table[c] = Parser::CHAR_DIGIT;
    for (const char* p = "!\"#$%&'()*+,-./:;<=>?@\\`{|}~"; *p; ++p)
        table[static_cast<unsigned char>(*p)] = Parser::CHAR_OPERATOR;
}

// ---------------------------------------------------------------- Keyword

Parser::Keyword::Keyword(const unsigned short* name) : m_name(name)
{
}

Parser::Keyword::~Keyword() = default;

// -------------------------------------------------------- KeywordCategory

Parser::KeywordCategory::KeywordCategory(Parser* parser, const unsigned short* name, bool isOperator)
    : m_parser(parser), m_name(name ? name : kEmpty), m_isOperator(isOperator), m_color(0),
      m_index(GvCreateObject<GvOpenHash<IndexSlot>>()), m_longestKeyword(0)
{
}

Parser::KeywordCategory::~KeywordCategory()
{
    for (Bucket& bucket : m_buckets)
        GvDestroyAllOwned(bucket);
    GvDestroyObject(m_index);
}

unsigned int Parser::KeywordCategory::HashRun(const unsigned short* units, int length)
{
    unsigned int hash = kHashOffset;
    for (int i = 0; i < length; ++i)
        hash = HashStep(hash, units[i]);
    return hash;
}

int Parser::KeywordCategory::GetKeywordCount() const
{
    return m_index->GetCount();
}

Parser::Keyword* Parser::KeywordCategory::Lookup(const unsigned short* units, int length, unsigned int hash) const
{
    const IndexSlot* slot =
        m_index->Find(hash, [&](const IndexSlot& s) { return NameEquals(s.item->m_name, units, length); });
    return slot ? slot->item : nullptr;
}

// The buckets are the truth; the index is rebuilt from them.
void Parser::KeywordCategory::RebuildIndex()
{
    int count = 0;
    for (const Bucket& bucket : m_buckets)
        count += bucket.GetCount();
    m_index->Reset(count);
    m_longestKeyword = 0;
    for (const Bucket& bucket : m_buckets)
        for (Bucket::ConstIterator it = bucket.Begin(); it != bucket.End(); ++it) {
            const int length = (*it)->m_name.GetLength();
            m_index->Insert(IndexSlot{HashRun((*it)->m_name, length), *it});
            m_longestKeyword = std::max(m_longestKeyword, length);
        }
}

Parser::Keyword* Parser::KeywordCategory::AddKeyword(const unsigned short* word)
{
    if (!word || word[0] >= BUCKET_COUNT)
        return nullptr;
    if (Keyword* existing = FindKeyword(word))
        return existing;
    Keyword* keyword = GvAppendOwned(m_buckets[word[0]], GvCreateObject<Keyword>(word));
    m_longestKeyword = std::max(m_longestKeyword, keyword->m_name.GetLength());
    if (m_index->HasRoomFor(1))
        m_index->Insert(IndexSlot{HashRun(word, keyword->m_name.GetLength()), keyword});
    else
        RebuildIndex();
    if (m_parser)
        m_parser->IndexKeyword(this, keyword);
    return keyword;
}

Parser::Keyword* Parser::KeywordCategory::FindKeyword(const unsigned short* word) const
{
    if (!word || word[0] >= BUCKET_COUNT)
        return nullptr;
    const int length = GvStrLenW(word);
    return Lookup(word, length, HashRun(word, length));
}

bool Parser::KeywordCategory::RemoveKeyword(const unsigned short* word)
{
    Keyword* keyword = FindKeyword(word);
    if (!keyword)
        return false;
    Bucket& bucket = m_buckets[word[0]];
    bucket.Remove(bucket.Find(keyword));
    m_index->Remove(m_index->Find(HashRun(word, keyword->m_name.GetLength()),
                                  [&](const IndexSlot& s) { return s.item == keyword; }));
    if (m_parser)
        m_parser->UnindexKeyword(this, keyword);
    GvDestroyObject(keyword);
    return true;
}

void Parser::KeywordCategory::CopyKeywordsFrom(const KeywordCategory& other)
{
    m_color = other.m_color;
    for (const Bucket& bucket : other.m_buckets)
        for (Bucket::ConstIterator it = bucket.Begin(); it != bucket.End(); ++it)
            AddKeyword((*it)->m_name);
}

ParseResult Parser::KeywordCategory::Match(const ParseContext& context, const unsigned short* run, int length,
                                           unsigned int hash) const
{
    const int p = context.position;
    const unsigned int first = context.charClass[context.text[p]];
    if (!m_isOperator) {
        if (first != CHAR_WORD)
            return ParseResult{false, false, p};
        Keyword* keyword = Lookup(run, length, hash);
        if (!keyword)
            return ParseResult{false, false, p};
        const ParseResult result{true, length >= context.end - p, p + length};
        m_parser->OnKeywordFound(keyword);
        return result;
    }
    if (first != CHAR_OPERATOR || length <= 0)
        return ParseResult{false, false, p};
    // Hashes of every prefix, so that trying them longest first costs one
    // probe each. Prefixes longer than every keyword cannot match.
    const int tried = std::min(length, m_longestKeyword);
    unsigned int prefixHash[RUN_CAPACITY];
    unsigned int h = kHashOffset;
    for (int i = 0; i < tried; ++i)
        prefixHash[i] = h = HashStep(h, run[i]);
    for (int n = tried; n > 0; --n)
        if (Lookup(run, n, prefixHash[n - 1]))
            return ParseResult{true, n >= context.end - p, p + n};
    return ParseResult{false, false, p};
}

// ------------------------------------------------------------ CommentBlock

Parser::CommentBlock::CommentBlock(const unsigned short* start, const unsigned short* end)
    : m_start(start ? start : kEmpty), m_end(end ? end : kEmpty)
{
}

Parser::CommentBlock::~CommentBlock() = default;

ParseResult Parser::CommentBlock::Match(const ParseContext& context, int position) const
{
    const unsigned short* text = context.text;
    const int end = context.end;
    const unsigned short* open = m_start.GetText();
    const int openLength = m_start.GetLength();
    if (openLength == 0 || text[position] != open[0] || openLength > end - position)
        return ParseResult{false, false, position};
    for (int i = 1; i < openLength; ++i)
        if (text[position + i] != open[i])
            return ParseResult{false, false, position};

    // The first unit of the closing sequence is looked for in a tight loop.
    const unsigned short* close = m_end.GetText();
    const int closeLength = m_end.GetLength();
    const int last = end - closeLength;
    int i = position + openLength;
    for (; closeLength > 0; ++i) {
        while (i <= last && text[i] != close[0])
            ++i;
        if (i > last)
            return ParseResult{true, true, end};
        if (UnitsEqual(text + i + 1, close + 1, closeLength - 1))
            break;
    }
    const int behind = i + closeLength;
    return behind < end ? ParseResult{true, false, behind} : ParseResult{true, true, end};
}

// -------------------------------------------------------- WhiteSpaceParser

Parser::WhiteSpaceParser::WhiteSpaceParser(Parser* parser) : m_parser(parser)
{
}

Parser::WhiteSpaceParser::~WhiteSpaceParser()
{
    RemoveAllCommentBlocks();
}

Parser::CommentBlock* Parser::WhiteSpaceParser::AddCommentBlock(const unsigned short* start, const unsigned short* end)
{
    CommentBlock* block = GvAppendOwned(m_commentBlocks, GvCreateObject<CommentBlock>(start, end));
    // An empty opening sequence never matches.
    if (block->m_start.GetLength() > 0)
        m_openingUnits.Add(block->m_start[0]);
    return block;
}

void Parser::WhiteSpaceParser::RemoveAllCommentBlocks()
{
    GvDestroyAllOwned(m_commentBlocks);
    m_openingUnits.Clear();
}

ParseResult Parser::WhiteSpaceParser::MatchComment(const ParseContext& context, int position) const
{
    const unsigned short unit = context.text[position];
    if (MayOpenComment(unit)) {
        for (const GvLinkedList<CommentBlock*>::Node* node = m_commentBlocks.GetHead(); node; node = node->m_next) {
            if (node->m_value->m_start[0] != unit)
                continue;
            const ParseResult comment = node->m_value->Match(context, position);
            if (comment.found)
                return comment;
        }
    }
    return ParseResult{false, false, position};
}

ParseResult Parser::WhiteSpaceParser::Parse(const ParseContext& context) const
{
    const int begin = context.position;
    const int end = context.end;
    if (begin >= end)
        return ParseResult{false, true, begin};
    const unsigned short* text = context.text;
    const unsigned int* charClass = context.charClass;
    int p = begin;
    for (;;) {
        while (p < end && charClass[text[p]] == CHAR_SPACE)
            ++p;
        if (p >= end)
            return ParseResult{true, true, p};
        const ParseResult comment = MatchComment(context, p);
        if (!comment.found)
            return ParseResult{p != begin, false, p};
        if (comment.endReached)
            return comment;
        p = comment.position;
    }
}

// -------------------------------------------------------------- TextParser

Parser::TextParser::TextParser(Parser* parser) : m_parser(parser)
{
}

Parser::TextParser::~TextParser() = default;

// The run is read in place and offered to every category in turn. The
// owner's own list is served by the owner's indexes instead: a word run is
// looked up once in the word index, which names the first word category
// holding it, and an operator run is tried only when some operator keyword
// starts with its first unit.
ParseResult Parser::TextParser::Parse(const ParseContext& context,
                                      const GvLinkedList<KeywordCategory*>& categories) const
{
    const int p = context.position;
    const int end = context.end;
    if (p >= end)
        return ParseResult{false, true, p};
    const unsigned short* text = context.text;
    const unsigned int* charClass = context.charClass;
    const unsigned short unit = text[p];
    const unsigned int first = charClass[unit];
    const Parser* owner = m_parser && &categories == &m_parser->m_categories ? m_parser : nullptr;
    int q = p;
    int length = 0;
    unsigned int hash = kHashOffset;
    bool tryCategories = false;
    if (first == CHAR_WORD) {
        unsigned long long key;
        q = static_cast<int>(ScanWordRun(text + p, text + end, charClass, key) - text);
        length = q - p;
        if (length < RUN_CAPACITY && owner) {
            if (const WordSlot* slot = owner->FindWord(text + p, length, key)) {
                slot->category->m_parser->OnKeywordFound(slot->item);
                return ParseResult{true, q >= end, q};
            }
        } else if (length < RUN_CAPACITY) {
            hash = KeywordCategory::HashRun(text + p, length);
            tryCategories = true;
        }
    } else if (first == CHAR_DIGIT) {
        q = static_cast<int>(SkipWordRun(text + p, text + end, charClass) - text);
    } else if (first == CHAR_OPERATOR && (!owner || owner->m_operatorStarts.Contains(unit))) {
        // The run is gathered only as far as the longest operator keyword
        // reaches: a megabyte of braces would otherwise cost a full run at
        // every one of them.
        int reach = 0;
        for (const GvLinkedList<KeywordCategory*>::Node* node = categories.GetHead(); node; node = node->m_next)
            if (node->m_value->IsOperator())
                reach = std::max(reach, node->m_value->GetLongestKeyword());
        reach = std::min(reach, RUN_CAPACITY - 1);
        while (p + length < end && length < reach && charClass[text[p + length]] == CHAR_OPERATOR)
            ++length;
        tryCategories = true;
    }
    if (tryCategories) {
        for (const GvLinkedList<KeywordCategory*>::Node* node = categories.GetHead(); node; node = node->m_next) {
            const ParseResult result = node->m_value->Match(context, text + p, length, hash);
            if (result.found)
                return result;
        }
    }
    return ParseResult{q != p, q >= end, q};
}

// ------------------------------------------------------------------ Parser

Parser::GvMFCShaderSyntaxParser()
    : m_commentColor(0), m_foregroundColor(0), m_backgroundColor(0), m_highlightColor(0), m_whiteSpaceParser(this),
      m_textParser(this), m_wordIndex(GvCreateObject<GvOpenHash<WordSlot>>()), m_wordRevision(0)
{
    GvFillShaderCharClassTable(m_charClass);
}

Parser::GvMFCShaderSyntaxParser(const GvMFCShaderSyntaxParser& other)
    : m_commentColor(other.m_commentColor), m_foregroundColor(other.m_foregroundColor),
      m_backgroundColor(other.m_backgroundColor), m_highlightColor(other.m_highlightColor), m_whiteSpaceParser(this),
      m_textParser(this), m_wordIndex(GvCreateObject<GvOpenHash<WordSlot>>()), m_wordRevision(0)
{
    std::memcpy(m_charClass, other.m_charClass, sizeof(m_charClass));
    CopyContentFrom(other);
}

Parser& Parser::operator=(const GvMFCShaderSyntaxParser& other)
{
    if (this == &other)
        return *this;
    RemoveAllKeywordCategory();
    m_whiteSpaceParser.RemoveAllCommentBlocks();
    m_commentColor = other.m_commentColor;
    m_foregroundColor = other.m_foregroundColor;
    m_backgroundColor = other.m_backgroundColor;
    m_highlightColor = other.m_highlightColor;
    std::memcpy(m_charClass, other.m_charClass, sizeof(m_charClass));
    CopyContentFrom(other);
    return *this;
}

Parser::~GvMFCShaderSyntaxParser()
{
    GvDestroyAllOwned(m_categories);
    GvDestroyObject(m_wordIndex);
}

void Parser::CopyContentFrom(const GvMFCShaderSyntaxParser& other)
{
    for (ConstCategoryIterator it = other.BeginKeywordCategory(); it != other.EndKeywordCategory(); ++it)
        AddKeywordCategory((*it)->m_name, (*it)->m_isOperator)->CopyKeywordsFrom(**it);
    const GvLinkedList<CommentBlock*>& blocks = other.m_whiteSpaceParser.m_commentBlocks;
    for (GvLinkedList<CommentBlock*>::ConstIterator it = blocks.Begin(); it != blocks.End(); ++it)
        m_whiteSpaceParser.AddCommentBlock((*it)->m_start, (*it)->m_end);
}

Parser::KeywordCategory* Parser::AddKeywordCategory(const unsigned short* name, bool isOperator)
{
    return GvAppendOwned(m_categories, GvCreateObject<KeywordCategory>(this, name, isOperator));
}

Parser::KeywordCategory* Parser::FindKeywordCategory(const unsigned short* name)
{
    const Parser* self = this;
    return const_cast<KeywordCategory*>(self->FindKeywordCategory(name));
}

const Parser::KeywordCategory* Parser::FindKeywordCategory(const unsigned short* name) const
{
    if (!name)
        return nullptr;
    for (ConstCategoryIterator it = BeginKeywordCategory(); it != EndKeywordCategory(); ++it)
        if (GvStrICmpW((*it)->m_name, name, -1) == 0)
            return *it;
    return nullptr;
}

void Parser::RemoveKeywordCategory(const unsigned short* name)
{
    KeywordCategory* category = FindKeywordCategory(name);
    if (!category)
        return;
    for (CategoryIterator it = m_categories.Begin(); it != m_categories.End();) {
        if (*it == category)
            it = m_categories.Remove(it);
        else
            ++it;
    }
    GvDestroyObject(category);
    RebuildIndexes();
}

void Parser::RemoveAllKeywordCategory()
{
    GvDestroyAllOwned(m_categories);
    RebuildIndexes();
}

bool Parser::HoldsCategory(const KeywordCategory* category) const
{
    for (const GvLinkedList<KeywordCategory*>::Node* node = m_categories.GetHead(); node; node = node->m_next)
        if (node->m_value == category)
            return true;
    return false;
}

// Only the units before the last four are compared one by one.
inline Parser::WordSlot* Parser::FindWord(const unsigned short* units, int length, unsigned long long key) const
{
    return m_wordIndex->Find(HashKey(key, length), [&](const WordSlot& slot) {
        return slot.key == key && slot.length == length && UnitsEqual(slot.name, units, length - 4);
    });
}

Parser::WordSlot* Parser::FindWord(const GvStringW& name) const
{
    return FindWord(name, name.GetLength(), KeyOf(name, name.GetLength()));
}

Parser::WordSlot Parser::MakeWordSlot(Keyword* keyword, KeywordCategory* category)
{
    const GvStringW& name = keyword->m_name;
    const int length = name.GetLength();
    const unsigned long long key = KeyOf(name, length);
    return WordSlot{HashKey(key, length), length, key, name.GetText(), keyword, category};
}

bool Parser::IsIndexedWord(const Keyword* keyword) const
{
    const WordSlot* slot = FindWord(keyword->m_name);
    return slot && slot->item == keyword;
}

void Parser::IndexKeyword(KeywordCategory* category, Keyword* keyword)
{
    if (!HoldsCategory(category))
        return;
    const GvStringW& name = keyword->m_name;
    if (category->m_isOperator) {
        m_operatorStarts.Add(name[0]);
        return;
    }
    ++m_wordRevision;
    WordSlot* slot = FindWord(name);
    if (!slot) {
        if (m_wordIndex->HasRoomFor(1))
            m_wordIndex->Insert(MakeWordSlot(keyword, category));
        else
            RebuildIndexes();
        return;
    }
    // The word stays with whichever category comes first in the list.
    for (const GvLinkedList<KeywordCategory*>::Node* node = m_categories.GetHead(); node; node = node->m_next) {
        if (node->m_value == slot->category)
            return;
        if (node->m_value == category) {
            *slot = MakeWordSlot(keyword, category);
            return;
        }
    }
}

// The keyword has left its category already. The operator starts are
// gathered again; a word passes to the next word category that holds it.
void Parser::UnindexKeyword(KeywordCategory* category, Keyword* keyword)
{
    if (category->m_isOperator) {
        CollectOperatorStarts();
        return;
    }
    ++m_wordRevision;
    const GvStringW& name = keyword->m_name;
    WordSlot* slot = m_wordIndex->Find(HashKey(KeyOf(name, name.GetLength()), name.GetLength()),
                                       [&](const WordSlot& s) { return s.item == keyword; });
    if (!slot)
        return;
    for (const GvLinkedList<KeywordCategory*>::Node* node = m_categories.GetHead(); node; node = node->m_next) {
        KeywordCategory* holder = node->m_value;
        Keyword* other = holder->m_isOperator ? nullptr : holder->FindKeyword(name);
        if (other) {
            *slot = MakeWordSlot(other, holder);
            return;
        }
    }
    m_wordIndex->Remove(slot);
}

void Parser::CollectOperatorStarts()
{
    m_operatorStarts.Clear();
    for (const GvLinkedList<KeywordCategory*>::Node* node = m_categories.GetHead(); node; node = node->m_next)
        if (node->m_value->m_isOperator)
            for (int unit = 0; unit < BUCKET_COUNT; ++unit)
                if (!node->m_value->m_buckets[unit].IsEmpty())
                    m_operatorStarts.Add(static_cast<unsigned short>(unit));
}

void Parser::RebuildIndexes()
{
    ++m_wordRevision;
    CollectOperatorStarts();
    int words = 0;
    for (CategoryIterator it = BeginKeywordCategory(); it != EndKeywordCategory(); ++it)
        if (!(*it)->m_isOperator)
            words += (*it)->GetKeywordCount();
    m_wordIndex->Reset(words);
    for (CategoryIterator it = BeginKeywordCategory(); it != EndKeywordCategory(); ++it) {
        KeywordCategory* category = *it;
        if (category->m_isOperator)
            continue;
        for (const KeywordCategory::Bucket& bucket : category->m_buckets) {
            for (KeywordCategory::Bucket::ConstIterator word = bucket.Begin(); word != bucket.End(); ++word) {
                if (!FindWord((*word)->m_name))
                    m_wordIndex->Insert(MakeWordSlot(*word, category));
            }
        }
    }
}

void Parser::AddKeyword(const unsigned short* category, const unsigned short* word)
{
    if (KeywordCategory* found = FindKeywordCategory(category))
        found->AddKeyword(word);
}

void Parser::RemoveKeyword(const unsigned short* category, const unsigned short* word)
{
    if (KeywordCategory* found = FindKeywordCategory(category))
        found->RemoveKeyword(word);
}

unsigned int Parser::GetQuietRevision() const
{
    return m_whiteSpaceParser.m_openingUnits.GetRevision() + m_operatorStarts.GetRevision();
}

// The ASCII units on which the steps would do nothing but step forward:
// white space, and operator units that neither open a comment nor start an
// operator keyword. Worked out for each parse, and again when OnKeywordFound
// changes the comment blocks or operator categories; units from 128 on are
// quiet when they are white space.
unsigned int Parser::CollectQuietUnits(bool (&quiet)[128]) const
{
    for (unsigned short unit = 0; unit < 128; ++unit)
        quiet[unit] = m_charClass[unit] == CHAR_SPACE
                      || (m_charClass[unit] == CHAR_OPERATOR && !m_whiteSpaceParser.MayOpenComment(unit)
                          && !m_operatorStarts.Contains(unit));
    return GetQuietRevision();
}

// The white-space and text steps fused into one pass that takes the same
// decisions in the same order without a result per token: quiet units are
// skipped in one tight loop, and a word run is keyed in place and looked up
// once in the word index.
void Parser::Parse(const unsigned short* text, int value, int start, int end)
{
    if (!text)
        return;
    if (start < 0)
        start = 0;
    if (start >= end)
        return;
    ParseContext context{text, m_charClass, value, start, end};
    const unsigned int* charClass = m_charClass;
    const unsigned short* s = text + start;
    const unsigned short* const stop = text + end;
    bool quiet[128];
    unsigned int quietRevision = CollectQuietUnits(quiet);
    for (;;) {
        while (s < stop && (*s < 128 ? quiet[*s] : charClass[*s] == CHAR_SPACE))
            ++s;
        if (s == stop)
            return;
        const unsigned short unit = *s;
        const unsigned int unitClass = charClass[unit];
        if (m_whiteSpaceParser.MayOpenComment(unit)) {
            const ParseResult comment = m_whiteSpaceParser.MatchComment(context, static_cast<int>(s - text));
            if (comment.found) {
                if (comment.endReached)
                    return;
                s = text + comment.position;
                continue;
            }
        }
        if (unitClass == CHAR_WORD) {
            unsigned long long key;
            const unsigned short* runEnd = ScanWordRun(s, stop, charClass, key);
            const int length = static_cast<int>(runEnd - s);
            if (length < RUN_CAPACITY) {
                if (const WordSlot* slot = FindWord(s, length, key)) {
                    slot->category->m_parser->OnKeywordFound(slot->item);
                    if (GetQuietRevision() != quietRevision)
                        quietRevision = CollectQuietUnits(quiet);
                }
            }
            s = runEnd;
        } else if (unitClass == CHAR_DIGIT) {
            s = SkipWordRun(s, stop, charClass);
        } else if (m_operatorStarts.Contains(unit)) {
            context.position = static_cast<int>(s - text);
            const ParseResult result = m_textParser.Parse(context, m_categories);
            if (result.endReached)
                return;
            s = text + (result.found ? result.position : context.position + 1);
        } else {
            // An opening unit whose comment did not match.
            ++s;
        }
    }
}

void Parser::OnKeywordFound(Keyword*)
{
}
