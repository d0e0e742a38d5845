#pragma once
// Shader syntax parsing: the keyword-driven scanner, the keyword definition
// file loader and the assembly, HLSL and GLSL parsers. Portable: UTF-16 text
// in unsigned short units, no window system.
//
// Decisions on points the interface leaves open:
// - Copies are deep. A copied parser owns new categories, keywords, comment
//   blocks (and op table), whose back pointers name the copy; operator= first
//   frees what the target held. Nested helpers are not copyable on their own.
// - A keyword whose first unit is 256 or more has no bucket: AddKeyword
//   ignores it (returns null), FindKeyword and RemoveKeyword find nothing.
//   InsertOp and FindShaderOp treat such op names the same way. A null word
//   or name is ignored the same way.
// - Runs longer than 1,023 units: a word run that long matches no keyword and
//   is skipped whole; of an operator run only prefixes up to 1,023 units are
//   tried. Keywords longer than 1,023 units can be held but never match.
// - AddKeyword/RemoveKeyword with an unknown category name do nothing.
// - A comment block with an empty opening sequence never matches; with an
//   empty closing sequence it ends right behind its opening.
// - Parse with a null text does nothing; a negative start counts as 0.
// - Each category keeps a hash index of its keywords in step with its
//   buckets, and the parser one of the words of all its word categories
//   (each word mapped to its first category) and the set of units that start
//   a keyword of an operator category, so lookup cost does not grow with
//   bucket size or category count and operator characters that nothing can
//   match are stepped over at once; the buckets and the category list keep
//   the order the editor walks. The assembly parser indexes its op table the
//   same way and remembers the op of each keyword it was told about.
// - Parse runs both steps in one loop; changes that OnKeywordFound makes to
//   the categories or comment blocks count from the next token on, as they
//   would between the steps.
// - Loader: see GvMFCShaderKeywordLoader below.
#include <cstdio>
#include <string>
#include "GvMFCUtilitiesExport.h"
#include "GvLinkedList.h"
#include "GvString.h"

template <typename Slot>
class GvOpenHash;

/// The keyword-driven scanner: keyword categories (words or operators), comment blocks and a class for every UTF-16
/// unit. Parse walks a text, skipping blanks and comments, and reports each keyword of a word category to
/// OnKeywordFound, which derived parsers override.
class GVMFCUTILITIES_API GvMFCShaderSyntaxParser
{
public:
    class KeywordCategory;

    /// Positions are indexes of UTF-16 units; only [start, end) is read.
    struct ParseContext
    {
        /// The text being parsed.
        const unsigned short* text;
        /// The unit classes (CharClassType), CHAR_CLASS_COUNT entries.
        const unsigned int* charClass;
        /// The caller's value given to Parse, carried along unread.
        int value;
        /// Where the step starts.
        int position;
        /// One past the last unit read.
        int end;
    };

    /// The outcome of one step of a parse.
    struct ParseResult
    {
        /// The step matched something (blanks, a comment, a keyword).
        bool found;
        /// The step reached the end of the range (a comment left open counts).
        bool endReached;
        /// Where the next step starts.
        int position;
    };

    /// The class of a UTF-16 unit in the class table (GvFillShaderCharClassTable).
    enum CharClassType
    {
        CHAR_SPACE = 0,
        CHAR_WORD = 1,
        CHAR_DIGIT = 2,
        CHAR_OPERATOR = 3
    };
    /// Sizes of the scanner's tables.
    enum
    {
        CHAR_CLASS_COUNT = 65536, ///< entries of the class table, one per UTF-16 unit
        BUCKET_COUNT = 256,       ///< buckets of a category, one per first unit below 256
        RUN_CAPACITY = 1024       ///< units a run holds, terminator included
    };

private:
    /// A set of UTF-16 units: one flag per ASCII unit and one for all other
    /// units together, which are not told apart (asking for one of them asks
    /// for all). The revision moves on with every change, so that what was
    /// worked out from the set can tell when it is stale.
    class UnitSet
    {
    public:
        UnitSet() : m_ascii(), m_beyondAscii(false), m_revision(0) {}
        bool Contains(unsigned short unit) const { return unit < 128 ? m_ascii[unit] : m_beyondAscii; }
        unsigned int GetRevision() const { return m_revision; }
        void Add(unsigned short unit)
        {
            (unit < 128 ? m_ascii[unit] : m_beyondAscii) = true;
            ++m_revision;
        }
        void Clear() { *this = UnitSet(m_revision + 1); }

    private:
        explicit UnitSet(unsigned int revision) : m_ascii(), m_beyondAscii(false), m_revision(revision) {}

        bool m_ascii[128];
        bool m_beyondAscii;
        unsigned int m_revision;
    };

public:
    /// One word or operator of a category; OnKeywordFound gets the category's own object.
    class GVMFCUTILITIES_API Keyword
    {
    public:
        /// A keyword spelled name (copied).
        explicit Keyword(const unsigned short* name);
        virtual ~Keyword();
        /// The keyword's text.
        const GvStringW& GetName() const { return m_name; }

        /// The keyword's text.
        GvStringW m_name;
    };

    /// Invariants: every keyword sits in bucket m_name[0] (< 256), names are
    /// unique within the category, and m_index holds exactly the keywords of
    /// the buckets.
    class GVMFCUTILITIES_API KeywordCategory
    {
    public:
        /// The keywords of one first unit, in the order they were added.
        typedef GvLinkedList<Keyword*> Bucket;

        /// An empty category named name of parser (AddKeywordCategory makes them); isOperator: its keywords are
        /// operator runs, else words.
        KeywordCategory(GvMFCShaderSyntaxParser* parser, const unsigned short* name, bool isOperator);
        virtual ~KeywordCategory();
        KeywordCategory(const KeywordCategory&) = delete;
        KeywordCategory& operator=(const KeywordCategory&) = delete;

        /// Adds word, or finds it when the category has it already; null for a null word or one whose first unit is 256
        /// or more.
        Keyword* AddKeyword(const unsigned short* word);
        /// The keyword spelled exactly word, or null.
        Keyword* FindKeyword(const unsigned short* word) const;
        /// Removes the keyword named exactly word; false when it is not there.
        bool RemoveKeyword(const unsigned short* word);

        /// The category's name.
        const GvStringW& GetName() const { return m_name; }
        /// True for an operator category.
        bool IsOperator() const { return m_isOperator; }
        /// The colour the editor gives its keywords (0x00BBGGRR).
        unsigned int GetColor() const { return m_color; }
        /// Sets the keywords' colour (0x00BBGGRR).
        void SetColor(unsigned int color) { m_color = color; }
        /// The parser the category belongs to.
        GvMFCShaderSyntaxParser* GetParser() const { return m_parser; }
        /// The keywords whose first unit is index (0 to BUCKET_COUNT - 1).
        const Bucket& GetBucket(int index) const { return m_buckets[index]; }
        /// How many keywords the category holds.
        int GetKeywordCount() const;
        /// No keyword of the category is longer (removals may leave it high).
        int GetLongestKeyword() const { return m_longestKeyword; }

        /// Word category: the run (class 1 and 2 units from the context's
        /// position, length units, hash by HashRun) must be a keyword as a
        /// whole. Operator category: the longest keyword prefix of the run.
        ParseResult Match(const ParseContext& context, const unsigned short* run, int length, unsigned int hash) const;

        /// The hash Match expects of a run of length units.
        static unsigned int HashRun(const unsigned short* units, int length);

        /// The parser the category belongs to.
        GvMFCShaderSyntaxParser* m_parser;
        /// The category's name.
        GvStringW m_name;
        /// True for an operator category.
        bool m_isOperator;
        /// The keywords by first unit; change them through AddKeyword and RemoveKeyword only.
        Bucket m_buckets[BUCKET_COUNT];
        /// The keywords' colour (0x00BBGGRR).
        unsigned int m_color;

    private:
        friend class GvMFCShaderSyntaxParser;
        struct IndexSlot
        {
            unsigned int hash;
            Keyword* item;
        };

        Keyword* Lookup(const unsigned short* units, int length, unsigned int hash) const;
        void RebuildIndex();
        void CopyKeywordsFrom(const KeywordCategory& other);

        GvOpenHash<IndexSlot>* m_index;
        int m_longestKeyword;
    };

    /// A comment: from an opening sequence to a closing one (for a line comment the line end).
    class GVMFCUTILITIES_API CommentBlock
    {
    public:
        /// A block opened by start and closed by end (both copied).
        CommentBlock(const unsigned short* start, const unsigned short* end);
        virtual ~CommentBlock();

        /// {found, endReached, behind the comment}, or {false, false, p}.
        ParseResult Match(const ParseContext& context, int position) const;

        /// The opening sequence.
        GvStringW m_start;
        /// The closing sequence; empty: the comment ends right behind its opening.
        GvStringW m_end;
    };

    /// The first step of a parse: skips blanks and comments.
    class GVMFCUTILITIES_API WhiteSpaceParser
    {
    public:
        /// The step of parser, which owns it.
        explicit WhiteSpaceParser(GvMFCShaderSyntaxParser* parser);
        virtual ~WhiteSpaceParser();
        WhiteSpaceParser(const WhiteSpaceParser&) = delete;
        WhiteSpaceParser& operator=(const WhiteSpaceParser&) = delete;

        /// Adds a comment block after those there; returns it.
        CommentBlock* AddCommentBlock(const unsigned short* start, const unsigned short* end);
        /// Removes and frees every comment block.
        void RemoveAllCommentBlocks();
        /// The comment blocks, in the order they are tried.
        const GvLinkedList<CommentBlock*>& GetCommentBlocks() const { return m_commentBlocks; }

        /// Skips blanks and comments from the context's position: found when it skipped any.
        ParseResult Parse(const ParseContext& context) const;
        /// False when no opening sequence starts with unit.
        bool MayOpenComment(unsigned short unit) const { return m_openingUnits.Contains(unit); }
        /// The first block in list order that opens at position: its result,
        /// or {false, false, position}.
        ParseResult MatchComment(const ParseContext& context, int position) const;

        /// The parser that owns the step.
        GvMFCShaderSyntaxParser* m_parser;
        /// The comment blocks; change them through AddCommentBlock and RemoveAllCommentBlocks.
        GvLinkedList<CommentBlock*> m_commentBlocks;

    private:
        friend class GvMFCShaderSyntaxParser;

        /// First units of the opening sequences; most tokens start with none
        /// of them and skip the block list.
        UnitSet m_openingUnits;
    };

    /// The second step of a parse: matches the run at the position against the categories.
    class GVMFCUTILITIES_API TextParser
    {
    public:
        /// The step of parser, which owns it.
        explicit TextParser(GvMFCShaderSyntaxParser* parser);
        virtual ~TextParser();
        TextParser(const TextParser&) = delete;
        TextParser& operator=(const TextParser&) = delete;

        /// Matches the run at the context's position against categories in turn and reports a word keyword to
        /// OnKeywordFound; a run that matches nothing is stepped over.
        ParseResult Parse(const ParseContext& context, const GvLinkedList<KeywordCategory*>& categories) const;

        /// The parser that owns the step.
        GvMFCShaderSyntaxParser* m_parser;
    };

    /// Walks the categories in the order they were added.
    typedef GvLinkedList<KeywordCategory*>::Iterator CategoryIterator;
    /// Walks the categories of a const parser.
    typedef GvLinkedList<KeywordCategory*>::ConstIterator ConstCategoryIterator;

    GvMFCShaderSyntaxParser();
    GvMFCShaderSyntaxParser(const GvMFCShaderSyntaxParser& other);
    GvMFCShaderSyntaxParser& operator=(const GvMFCShaderSyntaxParser& other);
    virtual ~GvMFCShaderSyntaxParser();

    /// Adds a new category at the end of the list and returns it.
    KeywordCategory* AddKeywordCategory(const unsigned short* name, bool isOperator);
    /// The first category named name, or null.
    KeywordCategory* FindKeywordCategory(const unsigned short* name);
    /// The first category named name, or null.
    const KeywordCategory* FindKeywordCategory(const unsigned short* name) const;
    /// Removes and frees the category named name, with its keywords.
    void RemoveKeywordCategory(const unsigned short* name);
    /// Removes and frees every category.
    void RemoveAllKeywordCategory();
    /// Adds word to the category named category.
    void AddKeyword(const unsigned short* category, const unsigned short* word);
    /// Removes word from the category named category.
    void RemoveKeyword(const unsigned short* category, const unsigned short* word);

    /// The first category.
    CategoryIterator BeginKeywordCategory() { return m_categories.Begin(); }
    /// Past the last category.
    CategoryIterator EndKeywordCategory() { return m_categories.End(); }
    /// The first category.
    ConstCategoryIterator BeginKeywordCategory() const { return m_categories.Begin(); }
    /// Past the last category.
    ConstCategoryIterator EndKeywordCategory() const { return m_categories.End(); }

    /// The blank and comment step, with the comment blocks.
    WhiteSpaceParser& GetWhiteSpaceParser() { return m_whiteSpaceParser; }
    /// The blank and comment step.
    const WhiteSpaceParser& GetWhiteSpaceParser() const { return m_whiteSpaceParser; }
    /// The keyword step.
    TextParser& GetTextParser() { return m_textParser; }
    /// The keyword step.
    const TextParser& GetTextParser() const { return m_textParser; }
    /// The class of every UTF-16 unit (CharClassType), CHAR_CLASS_COUNT entries.
    const unsigned int* GetCharClassTable() const { return m_charClass; }

    /// Reports every word keyword in [start, end) to OnKeywordFound, in text
    /// order. Allocates nothing.
    void Parse(const unsigned short* text, int value, int start, int end);

    /// Called by Parse for each keyword of a word category; does nothing here.
    virtual void OnKeywordFound(Keyword* keyword);

    /// 0 until a keyword file loader writes them.
    unsigned int m_commentColor;
    /// Text colour (0x00BBGGRR).
    unsigned int m_foregroundColor;
    /// Background colour.
    unsigned int m_backgroundColor;
    /// Colour of a highlighted line.
    unsigned int m_highlightColor;

protected:
    GvLinkedList<KeywordCategory*> m_categories;
    unsigned int m_charClass[CHAR_CLASS_COUNT];
    WhiteSpaceParser m_whiteSpaceParser;
    TextParser m_textParser;

    /// Moves on whenever a keyword of a word category is added to this
    /// parser's categories or destroyed, and whenever a category is removed,
    /// so that what is remembered per Keyword pointer can be dropped before
    /// the pointer is reused.
    unsigned int GetWordRevision() const { return m_wordRevision; }
    /// True when the word index names keyword for its text: it belongs to a
    /// word category of this parser and is the one Parse reports.
    bool IsIndexedWord(const Keyword* keyword) const;

private:
    /// One entry per word known to a word category: the keyword of the first
    /// such category in list order, which is the one the text step reports.
    /// A word is found by its length and a 64-bit key of its units (see
    /// KeyOf), which holds the whole of a word of up to four units.
    struct WordSlot
    {
        unsigned int hash;
        int length;
        unsigned long long key;
        const unsigned short* name; // the keyword's own text, read without a detour
        Keyword* item;
        KeywordCategory* category;
    };

    void CopyContentFrom(const GvMFCShaderSyntaxParser& other);
    bool HoldsCategory(const KeywordCategory* category) const;
    WordSlot* FindWord(const unsigned short* units, int length, unsigned long long key) const;
    WordSlot* FindWord(const GvStringW& name) const;
    static WordSlot MakeWordSlot(Keyword* keyword, KeywordCategory* category);
    void IndexKeyword(KeywordCategory* category, Keyword* keyword);
    void UnindexKeyword(KeywordCategory* category, Keyword* keyword);
    void CollectOperatorStarts();
    void RebuildIndexes();
    unsigned int GetQuietRevision() const;
    unsigned int CollectQuietUnits(bool (&quiet)[128]) const;

    GvOpenHash<WordSlot>* m_wordIndex;
    /// First units of the keywords of the operator categories in the list.
    UnitSet m_operatorStarts;
    unsigned int m_wordRevision;
};

/// Fills the 65,536-entry class table shared by the parser and the loader.
GVMFCUTILITIES_API void GvFillShaderCharClassTable(unsigned int* table);

/// Reads a keyword definition file into a parser.
/// Decisions on open points:
/// - A word, operator or integer token longer than 1,023 units, or a string
///   longer than 255, is a syntax error (the load returns false).
/// - A brace group whose numbers cannot be read (x{range}, x{matrix 2}) adds
///   nothing, not even the base of opt_range; neither does a group of an
///   unknown or empty type (x{}). A range or matrix of more than 65,536 words
///   adds nothing. In a modifier group every suffix is added, a one-unit one
///   at the very end included; suffixes are separated by blanks, tabs, line
///   breaks and commas.
/// - The text ends at the first zero byte of the file; the rest is ignored.
/// - A file that opens but cannot be sized or read (a directory, an I/O error,
///   more than 256 MiB) counts as not opened: false, parser untouched. So does
///   a null path or parser.
/// - The peek buffers are local to each call, so loads may overlap.
class GVMFCUTILITIES_API GvMFCShaderKeywordLoader
{
public:
    /// Longest token and string the file may hold, terminator included.
    enum
    {
        TOKEN_CAPACITY = 1024,
        STRING_CAPACITY = 256
    };

    GvMFCShaderKeywordLoader();
    GvMFCShaderKeywordLoader(const GvMFCShaderKeywordLoader& other);
    GvMFCShaderKeywordLoader& operator=(const GvMFCShaderKeywordLoader& other);
    virtual ~GvMFCShaderKeywordLoader();

    /// Reads the keyword file at path (data/keywords/*.kwd) into parser: its categories, keywords, comment blocks
    /// and colours, which the getters then return too. False when the file cannot be read (the parser is then
    /// untouched) or on a syntax error.
    bool Load(const unsigned short* path, GvMFCShaderSyntaxParser* parser);

    /// The comment colour the last load read (0x00BBGGRR).
    unsigned int GetCommentColor() const { return m_commentColor; }
    /// The text colour the last load read.
    unsigned int GetForegroundColor() const { return m_foregroundColor; }
    /// The background colour the last load read.
    unsigned int GetBackgroundColor() const { return m_backgroundColor; }
    /// The highlight colour the last load read.
    unsigned int GetHighlightColor() const { return m_highlightColor; }

private:
    bool CreateBuffer(std::FILE* file);
    void DestroyBuffer();
    void MoveOffset(int delta);
    void AdvanceOffset();
    int GetNextChar(bool advance);
    bool IsEndReached() const;
    void SkipWhiteSpace();
    bool GetNextWord(unsigned short* word, bool advance);
    bool IsNextWord(const unsigned short* word, bool advance);
    bool GetNextOperator(unsigned short* op, bool advance);
    bool IsNextOperator(const unsigned short* op, bool advance);
    bool GetNextInteger(int& value, bool advance);
    bool ReadIntValue(int& value);
    bool ReadColorValue(unsigned int& color);
    bool ReadStringValue(unsigned short* text);
    bool ParseKeywordSection();
    bool ParseColorSection();
    bool AddKeyworsFromString(GvMFCShaderSyntaxParser::KeywordCategory* category, unsigned int value,
                              const unsigned short* keywordText);
    bool GetNextRun(unsigned short* token, int firstClass, unsigned int restMask, bool advance);
    bool IsNextRun(const unsigned short* text, int firstClass, unsigned int restMask, bool advance);
    void CopyFrom(const GvMFCShaderKeywordLoader& other);

    unsigned int m_charClass[GvMFCShaderSyntaxParser::CHAR_CLASS_COUNT];
    unsigned short* m_buffer;
    int m_offset;
    int m_size;
    GvMFCShaderSyntaxParser* m_parser;
    unsigned int m_commentColor;
    unsigned int m_foregroundColor;
    unsigned int m_backgroundColor;
    unsigned int m_highlightColor;
};

/// Values the host passes; 0 and anything above 15 select an empty op table.
enum GvShaderVersion : int
{
    GV_SHADER_NONE = 0,
    GV_VS_1_1 = 1,
    GV_VS_2_0 = 2,
    GV_VS_2_X = 3,
    GV_VS_3_0 = 4,
    GV_VS_3_SW = 5,
    GV_PS_1_1 = 6,
    GV_PS_1_2 = 7,
    GV_PS_1_3 = 8,
    GV_PS_1_4 = 9,
    GV_PS_2_0 = 10,
    GV_PS_2_X = 11,
    GV_PS_2_B = 12,
    GV_PS_2_SW = 13,
    GV_PS_3_0 = 14,
    GV_PS_3_SW = 15
};

/// The assembly parser: counts the instruction slots of a shader for one shader version (its op table), ALU and texture
/// apart, as Parse reports the instructions' keywords.
class GVMFCUTILITIES_API GvMFCShaderASMParser : public GvMFCShaderSyntaxParser
{
public:
    /// The kind of slot an op takes.
    enum OpType : int
    {
        OP_ALU = 0,
        OP_TEX = 1
    };

    /// One instruction of the op table.
    struct ShaderOp
    {
        /// ALU or texture.
        OpType type;
        /// The instruction as written (modifiers included), compared without regard to case.
        GvStringW name;
        /// Slots it takes.
        int count;
    };
    /// The ops of one first unit.
    typedef GvLinkedList<ShaderOp*> OpList;

    GvMFCShaderASMParser();
    GvMFCShaderASMParser(const GvMFCShaderASMParser& other);
    GvMFCShaderASMParser& operator=(const GvMFCShaderASMParser& other);
    ~GvMFCShaderASMParser() override;

    /// Fills the op table for version (empty for GV_SHADER_NONE or an unknown value); the counts are kept.
    void SetShaderVersion(GvShaderVersion version);
    /// The version of the op table.
    GvShaderVersion GetShaderVersion() const { return m_shaderVersion; }
    /// Sets both counts to 0 (before a Parse of a whole shader).
    void InitInstructionCounts();
    /// ALU slots counted since InitInstructionCounts.
    int GetALUOpCount() const { return m_aluOpCount; }
    /// Texture slots counted since InitInstructionCounts.
    int GetTexOpCount() const { return m_texOpCount; }

    /// Adds an op to the table; an earlier op of the same name wins. Ignored for a null name or one whose first unit is
    /// 256 or more.
    void InsertOp(OpType type, const unsigned short* name, int count);
    /// The first op named name without regard to case, or null.
    ShaderOp* FindShaderOp(const unsigned short* name);
    /// Read access to one of the 256 op lists, for tools and tests.
    const OpList& GetShaderOps(int index) const { return m_opTable[index]; }

    void OnKeywordFound(Keyword* keyword) override;

protected:
    GvShaderVersion m_shaderVersion;
    int m_aluOpCount;
    int m_texOpCount;
    OpList m_opTable[BUCKET_COUNT];

private:
    /// Every op under a hash that ignores case, with its insertion order, so
    /// that the first match of its list is found without walking the list.
    struct OpSlot
    {
        unsigned int hash;
        int order;
        int length;
        const unsigned short* name; // the op's own text, read without a detour
        ShaderOp* item;
    };
    GvOpenHash<OpSlot>* m_opIndex;
    int m_opOrder;

    /// What keywords that name no instruction count: nothing. Standing in for
    /// a missing op, it spares OnKeywordFound a branch that keywords with and
    /// without ops, mixed in every line, would make hard to predict.
    ShaderOp m_noOp;

    /// The op (or m_noOp) of each keyword that OnKeywordFound was given and
    /// that the word index holds, so that a keyword costs one pointer probe.
    /// Emptied when the op table changes or the word revision moves on (which
    /// it does before an indexed keyword is destroyed). A fixed table, so that
    /// filling it during Parse allocates nothing; half full, it takes no more.
    struct OpCacheSlot
    {
        const Keyword* keyword;
        const ShaderOp* op;
    };
    enum
    {
        OP_CACHE_BITS = 8,
        OP_CACHE_CAPACITY = 1 << OP_CACHE_BITS
    };
    OpCacheSlot m_opCache[OP_CACHE_CAPACITY];
    int m_opCacheCount;
    unsigned int m_opCacheRevision;

public:
    /// One row of an instruction table: base name and slot count.
    struct OpEntry
    {
        const char16_t* name; ///< the instruction without modifiers
        int count;            ///< slots it takes
    };

private:
    void CleanupShaderOpTable();
    void CopyOpTableFrom(const GvMFCShaderASMParser& other);
    void RebuildOpIndex(int room = 0);
    void ReserveOps(int more);
    ShaderOp* FindShaderOp(const unsigned short* name, int length, unsigned int hash) const;
    OpCacheSlot& OpCacheSlotFor(const Keyword* keyword);
    const ShaderOp* FindKeywordOp(const Keyword* keyword);
    const ShaderOp* CacheKeywordOp(const Keyword* keyword);
    void ClearOpCache();
    void InsertAluVariants(const OpEntry* bases, int count, bool pixelShader1x);
    void InsertTexOps(const OpEntry* ops, int count);
    void CreateShaderOpTable_VS_1_1();
    void CreateShaderOpTable_VS_2_0();
    void CreateShaderOpTable_VS_3_0();
    void CreateShaderOpTable_PS_1_X();
    void CreateShaderOpTable_PS_2_0();
    void CreateShaderOpTable_PS_3_0();
};

/// The HLSL and GLSL parsers add their two comment blocks and nothing else.
class GVMFCUTILITIES_API GvMFCShaderHLSLParser : public GvMFCShaderSyntaxParser
{
public:
    GvMFCShaderHLSLParser();
};

/// The GLSL parser: the HLSL parser's comment blocks, for GLSL keyword files.
class GVMFCUTILITIES_API GvMFCShaderGLSLParser : public GvMFCShaderSyntaxParser
{
public:
    GvMFCShaderGLSLParser();
};

// The slot budget of an assembly shader: the shader models with their
// documented instruction-slot limits, the cost of a text under the library's
// rules (the assembly parser's op tables) or under the rules the shader
// compiler states in its listings ("approximately N instruction slots
// used"), line by line with running totals, and the first line over budget.
// Plain data across the boundary; text is UTF-16 as the parsers take it.

/// Instruction-slot limits: 0 means the model has no such limit. Vertex
/// shaders and the later pixel shaders count all slots together (ps_2_x its
/// guaranteed 96), pixel shaders 1.x and 2.0 arithmetic and texture apart
/// (ps_1_4: two phases of 8 and 6 counted together). Software models have
/// none. The profiles vs_2_a, vs_2_sw and ps_2_a count with the op table of
/// their version (vs_2_x, vs_2_x, ps_2_x) under limits of their own.
struct GvShaderModel
{
    GvShaderVersion version; ///< the op table the model counts with
    const char* name;        ///< "vs_1_1" ... "ps_3_sw", ASCII
    int aluLimit;            ///< arithmetic slots, 0: no such limit
    int texLimit;            ///< texture slots, 0: no such limit
    int totalLimit;          ///< all slots together, 0: no such limit
};

/// The model of a version 1 to 15; null for any other.
GVMFCUTILITIES_API const GvShaderModel* GvGetShaderModel(int version);
/// The model or profile of that name ("ps_2_0", "vs_2_a"), without regard to
/// ASCII case; null if none (or a null name).
GVMFCUTILITIES_API const GvShaderModel* GvFindShaderModel(const char* name);
/// The model the shader's version instruction names: its first token after
/// white space and the assembly parser's comments (// and /* */), of ASCII
/// letters, digits, '_' and '.', where "vs.1.1" reads as vs_1_1. Null when
/// that token names no model or starts with a digit, or the text has none.
/// tokenStart and tokenLength (either may be null) receive the token's place
/// (length 0 when there is no token).
GVMFCUTILITIES_API const GvShaderModel* GvFindVersionModel(const unsigned short* text, int length, int* tokenStart,
                                                           int* tokenLength);
/// True when alu and tex slots pass a limit of the model.
GVMFCUTILITIES_API bool GvExceedsShaderLimits(const GvShaderModel& model, int alu, int tex);

/// Which rules count the slots.
enum GvSlotRulesType : int
{
    /// Each keyword that names an instruction of the model's op table adds
    /// that op's slots (the parser's counting, modifiers only as listed).
    GV_SLOT_RULES_LIBRARY = 0,
    /// One instruction per line as the compiler's listings count it: def,
    /// dcl, label, phase and the version cost nothing, modifiers in any order
    /// cost what their instruction costs, a co-issued ps_1_x instruction (+)
    /// nothing, a predicate or a listing's "N:" in front changes nothing,
    /// macros cost their expansion, flow control is arithmetic.
    GV_SLOT_RULES_COMPILER = 1
};

/// One line of a shader: its number (from 1), its own slots, the running
/// totals up to it, and [start, end): the line from where it stops being
/// inside a comment opened on an earlier line to its line feed (or the end
/// of the text).
struct GvShaderLineSlots
{
    int number;   ///< from 1
    int alu;      ///< this line's arithmetic slots
    int tex;      ///< this line's texture slots
    int totalAlu; ///< arithmetic slots up to this line
    int totalTex; ///< texture slots up to this line
    int start;    ///< first unit of the line outside an earlier comment
    int end;      ///< its line feed, or the end of the text
};

/// The whole text's slots and the first line whose running total passes a
/// limit of the model (0 when none does).
struct GvShaderBudget
{
    int alu;           ///< arithmetic slots of the whole text
    int tex;           ///< texture slots of the whole text
    int firstLineOver; ///< 0 when the text fits
};

/// Walks a shader line by line. Lines end at line feeds (the text has one
/// more line than line feeds); comments are found as the assembly parser
/// finds them (// to the line feed, /* to the first */ after it), so under
/// the library's rules the lines add up to what one Parse of the text counts.
/// The library's rules need a parser with the keywords loaded: its version
/// becomes the model's and its counters are used. Without a model, with the
/// library's rules but no parser, with a null text of some length or with a
/// negative length there are no lines. Text and parser must outlive the walk.
class GVMFCUTILITIES_API GvShaderSlotLines
{
public:
    /// A walk over text under a model and rules (see the class).
    GvShaderSlotLines(const GvShaderModel* model, GvSlotRulesType rules, GvMFCShaderASMParser* parser,
                      const unsigned short* text, int length);

    /// The next line into line; false after the last.
    bool Next(GvShaderLineSlots& line);

    /// The code of a line of this text: its parts outside comments joined by
    /// one blank, blanks trimmed at both ends. Writes up to capacity units
    /// and returns the length of the whole code, which is never more than
    /// line.end - line.start.
    int GetCode(const GvShaderLineSlots& line, unsigned short* code, int capacity) const;

private:
    const GvShaderModel* m_model;
    GvSlotRulesType m_rules;
    GvMFCShaderASMParser* m_parser;
    const unsigned short* m_text;
    int m_length;
    int m_position; // where the next line starts; beyond m_length when done
    int m_number;
    bool m_inComment; // the next line starts inside a /* comment
    int m_totalAlu;
    int m_totalTex;
};

/// The budget of a whole text under a model and rules, with the same
/// requirements as GvShaderSlotLines; false (and all zero) where that walk
/// would have no lines.
GVMFCUTILITIES_API bool GvCountShaderSlots(const GvShaderModel* model, GvSlotRulesType rules,
                                           GvMFCShaderASMParser* parser, const unsigned short* text, int length,
                                           GvShaderBudget& budget);

/// UTF-16 to UTF-8, an unpaired surrogate as U+FFFD; length -1: up to the
/// terminator. Writes up to capacity bytes (no terminator) and returns the
/// length of the whole result, at most three bytes per unit (-1 when that
/// is more than INT_MAX).
GVMFCUTILITIES_API int GvConvertUtf16ToUtf8(const unsigned short* text, int length, char* out, int capacity);

/// The same as a string of the caller's own standard library.
inline std::string GvUtf16ToUtf8(const unsigned short* text, int length = -1)
{
    const int size = GvConvertUtf16ToUtf8(text, length, nullptr, 0);
    std::string out(size > 0 ? static_cast<size_t>(size) : 0, '\0');
    GvConvertUtf16ToUtf8(text, length, &out[0], static_cast<int>(out.size()));
    return out;
}
