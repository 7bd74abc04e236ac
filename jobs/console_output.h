#pragma once
// The console's output list: every line a job wrote, kept compactly so that
// millions of lines cost little more than their bytes. Lines live back to
// back in large blocks; each line is a small reference into them.
#include <cstdint>
#include <deque>
#include <memory>
#include <string_view>
#include <vector>

namespace orvo {

class ConsoleOutput {
public:
    std::size_t lineCount() const { return lines_.size(); }
    std::string_view line(std::size_t index) const;
    // Changes whenever the list is emptied, so a view can tell a new list
    // from a longer one.
    std::uint64_t generation() const { return generation_; }
    // Length in bytes of the longest line so far, for a horizontal scroll range.
    std::size_t longestLine() const { return longestLine_; }
    // Bytes held by the blocks, for measuring.
    std::size_t reservedBytes() const;

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
        std::uint32_t block;
        std::uint32_t offset;
        std::uint32_t length;
    };

    void startLine();
    void appendToLastLine(std::string_view piece);
    void appendRun(std::string_view run);
    char* reserveForLastLine(std::size_t extra);
    void addBlock(std::size_t capacity);
    std::size_t lastLineColumns();

    std::vector<Block> blocks_;
    std::deque<LineRef> lines_;
    std::uint64_t generation_ = 0;
    std::size_t longestLine_ = 0;
    // The CR or LF that started the last line, when it was the last byte
    // taken; 0 otherwise.
    char lineBreak_ = 0;
    // Display columns of the last line (UTF-8 continuation bytes take none),
    // counted only once a TAB needs them.
    std::size_t lastColumns_ = 0;
    bool lastColumnsKnown_ = true;
    std::string expanded_;  // scratch for TAB expansion
};

}  // namespace orvo
