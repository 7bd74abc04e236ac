#pragma once
// The console's output list: every line a job wrote, kept compactly so that
// millions of lines cost little more than their bytes. Lines live back to
// back in large blocks; each line is a small reference into them. The list
// has a bound: once its blocks and references hold more than that, the
// oldest blocks go with all their lines, and one line at the top says how
// many lines went.
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>

namespace orvo {

// The console's default bound: what a runaway job may cost the workbench.
inline constexpr std::size_t kDefaultConsoleBytes = std::size_t(56) << 20;
// The smallest bound taken; a smaller one is raised to it.
inline constexpr std::size_t kMinimumConsoleBytes = std::size_t(1) << 10;

class ConsoleOutput {
public:
    // `maxBytes` bounds the bytes held for lines: their text and their
    // references, 12 bytes each.
    explicit ConsoleOutput(std::size_t maxBytes = kDefaultConsoleBytes);

    // The lines, the dropped-lines line first once lines were dropped.
    std::size_t lineCount() const { return lines_.size() + (droppedLines_ > 0 ? 1 : 0); }
    std::string_view line(std::size_t index) const;
    // Lines dropped at the top since the list was last emptied.
    std::uint64_t droppedLines() const { return droppedLines_; }
    // Changes whenever the list is emptied, so a view can tell a new list
    // from a longer one.
    std::uint64_t generation() const { return generation_; }
    // Length in bytes of the longest line so far, for a horizontal scroll range.
    std::size_t longestLine() const { return longestLine_; }
    // Bytes held by the blocks, for measuring.
    std::size_t reservedBytes() const { return blockBytes_; }
    // What the bound counts: the blocks and the line references.
    std::size_t heldBytes() const { return blockBytes_ + lines_.size() * sizeof(LineRef); }
    std::size_t maxBytes() const { return maxBytes_; }
    // The longest line kept as one: a longer one goes on in a new line, so
    // that one endless line cannot pass the bound.
    std::size_t maxLineBytes() const { return maxLineBytes_; }

    void clear();
    // Adds `text` as a line of its own below the others.
    void appendLine(std::string_view text);
    // Job output: CR, LF, CR LF and LF CR each break the line (also when the
    // pair is split across two calls), LF LF and CR CR give an empty line, a
    // partial line is continued by the next call, and TABs become blanks up
    // to the next multiple of 8 columns.
    void appendOutput(std::string_view bytes);

private:
    struct Block {
        std::unique_ptr<char[]> bytes;
        std::uint32_t size = 0;
        std::uint32_t capacity = 0;
    };
    struct LineRef {
        // The block's number, counted from the first block of the list; it
        // wraps around, which the difference to firstBlock_ survives.
        std::uint32_t block;
        std::uint32_t offset;
        std::uint32_t length;
    };

    std::string_view text(const LineRef& ref) const;
    Block& blockOf(const LineRef& ref) { return blocks_[std::uint32_t(ref.block - firstBlock_)]; }
    void startLine();
    void appendToLastLine(std::string_view piece);
    void appendPart(std::string_view part);
    void appendRun(std::string_view run);
    char* reserveForLastLine(std::size_t extra);
    void addBlock(std::size_t capacity);
    void keepBound();
    void dropFirstBlock();
    std::size_t lastLineColumns();

    std::size_t maxBytes_;
    std::size_t maxLineBytes_;
    std::size_t blockSize_;
    std::deque<Block> blocks_;
    std::uint32_t firstBlock_ = 0;
    std::size_t blockBytes_ = 0;
    std::size_t lastBlockLines_ = 0;  // lines that start in the last block
    std::deque<LineRef> lines_;
    std::uint64_t droppedLines_ = 0;
    std::string droppedLine_;
    std::uint64_t generation_ = 0;
    std::size_t longestLine_ = 0;
    // The CR or LF that started the last line, when it was the last byte
    // taken; 0 otherwise.
    char lineBreak_ = 0;
    // Display columns (UTF-8 continuation bytes take none) of the last
    // line's first countedBytes_ bytes, counted on only when a TAB needs them.
    std::size_t lastColumns_ = 0;
    std::size_t countedBytes_ = 0;
};

}  // namespace orvo
