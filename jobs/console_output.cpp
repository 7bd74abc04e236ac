#include "jobs/console_output.h"

#include <algorithm>
#include <cstring>

namespace orvo {
namespace {

// Blocks of a sixteenth of the bound, so that dropping one never takes much
// more than is needed; at most 1 MiB, which keeps the number of blocks small.
constexpr std::size_t kLargestBlock = std::size_t(1) << 20;
constexpr std::size_t kSmallestBlock = 64;
constexpr std::size_t kTabWidth = 8;
constexpr char kBlanks[kTabWidth + 1] = "        ";

bool isBreak(char c) { return c == '\n' || c == '\r'; }

bool isContinuationByte(char c) { return (c & 0xC0) == 0x80; }

std::size_t columnsOf(std::string_view text) {
    return std::size_t(std::count_if(text.begin(), text.end(), [](char c) { return !isContinuationByte(c); }));
}

// The first CR or LF in `text`, or its size.
std::size_t findBreak(std::string_view text) {
    const char* begin = text.data();
    const void* lf = std::memchr(begin, '\n', text.size());
    std::size_t end = lf ? std::size_t(static_cast<const char*>(lf) - begin) : text.size();
    const void* cr = std::memchr(begin, '\r', end);
    return cr ? std::size_t(static_cast<const char*>(cr) - begin) : end;
}

std::string droppedLinesText(std::uint64_t count) {
    return "... " + std::to_string(count) + (count == 1 ? " earlier line dropped ..." : " earlier lines dropped ...");
}

}  // namespace

ConsoleOutput::ConsoleOutput(std::size_t maxBytes)
    : maxBytes_(std::max(maxBytes, kMinimumConsoleBytes)),
      // Half the bound, and within the 32-bit lengths of a line reference.
      maxLineBytes_(std::min(maxBytes_ / 2, std::size_t(1) << 31)),
      blockSize_(std::clamp(maxBytes_ / 16, kSmallestBlock, kLargestBlock)) {}

std::string_view ConsoleOutput::line(std::size_t index) const {
    if (droppedLines_ > 0) {
        if (index == 0) return droppedLine_;
        --index;
    }
    return text(lines_[index]);
}

std::string_view ConsoleOutput::text(const LineRef& ref) const {
    return {blocks_[std::uint32_t(ref.block - firstBlock_)].bytes.get() + ref.offset, ref.length};
}

void ConsoleOutput::clear() {
    blocks_.clear();
    firstBlock_ = 0;
    blockBytes_ = 0;
    lastBlockLines_ = 0;
    lines_.clear();
    droppedLines_ = 0;
    droppedLine_.clear();
    ++generation_;
    longestLine_ = 0;
    lineBreak_ = 0;
    lastColumns_ = 0;
    countedBytes_ = 0;
}

void ConsoleOutput::appendLine(std::string_view text) {
    startLine();
    appendToLastLine(text);
    lineBreak_ = 0;
}

void ConsoleOutput::appendOutput(std::string_view bytes) {
    if (lines_.empty()) {
        startLine();
        lineBreak_ = 0;
    }
    while (!bytes.empty()) {
        char c = bytes.front();
        if (isBreak(c)) {
            // The second half of a CR LF or LF CR pair is part of the same break.
            if (lineBreak_ != 0 && lineBreak_ != c) {
                lineBreak_ = 0;
            } else {
                startLine();
                lineBreak_ = c;
            }
            bytes.remove_prefix(1);
            continue;
        }
        std::size_t end = findBreak(bytes);
        appendRun(bytes.substr(0, end));
        lineBreak_ = 0;
        bytes.remove_prefix(end);
    }
}

// A run without line breaks; each TAB becomes the blanks up to the next stop.
void ConsoleOutput::appendRun(std::string_view run) {
    for (;;) {
        const void* tab = std::memchr(run.data(), '\t', run.size());
        std::size_t end = tab ? std::size_t(static_cast<const char*>(tab) - run.data()) : run.size();
        appendToLastLine(run.substr(0, end));
        if (!tab) return;
        appendToLastLine(std::string_view(kBlanks, kTabWidth - lastLineColumns() % kTabWidth));
        run.remove_prefix(end + 1);
    }
}

// Counts only what was added since the last count, so a long line with many
// TABs is still counted once.
std::size_t ConsoleOutput::lastLineColumns() {
    std::string_view last = text(lines_.back());
    lastColumns_ += columnsOf(last.substr(countedBytes_));
    countedBytes_ = last.size();
    return lastColumns_;
}

// Empty lines add no bytes to their block, only references: a block takes
// no more lines than its size holds references, or a job writing empty
// lines would keep the list in one block, which the bound never drops.
void ConsoleOutput::startLine() {
    if (blocks_.empty() || lastBlockLines_ * sizeof(LineRef) >= blockSize_) addBlock(blockSize_);
    lines_.push_back({std::uint32_t(firstBlock_ + blocks_.size() - 1), blocks_.back().size, 0});
    ++lastBlockLines_;
    lastColumns_ = 0;
    countedBytes_ = 0;
    if (heldBytes() > maxBytes_) keepBound();
}

// A line reaching maxLineBytes_ goes on in a new line, which starts with a
// whole UTF-8 character.
void ConsoleOutput::appendToLastLine(std::string_view piece) {
    while (piece.size() > maxLineBytes_ - lines_.back().length) {
        std::size_t room = maxLineBytes_ - lines_.back().length;
        std::size_t whole = room;
        while (whole > 0 && isContinuationByte(piece[whole])) --whole;
        // An empty line takes what fits even if that is no whole character:
        // the bytes are no UTF-8 then.
        std::size_t take = whole > 0 || lines_.back().length > 0 ? whole : room;
        appendPart(piece.substr(0, take));
        piece.remove_prefix(take);
        startLine();
    }
    appendPart(piece);
}

void ConsoleOutput::appendPart(std::string_view part) {
    if (part.empty()) return;
    char* target = reserveForLastLine(part.size());
    std::memcpy(target, part.data(), part.size());
    LineRef& last = lines_.back();
    last.length += std::uint32_t(part.size());
    blockOf(last).size += std::uint32_t(part.size());
    longestLine_ = std::max<std::size_t>(longestLine_, last.length);
    if (heldBytes() > maxBytes_) keepBound();
}

// Room for `extra` more bytes right behind the last line, which always ends
// its block. A line that does not fit moves to a new block; a line that fills
// a block alone gets a block twice the size, up to the longest line.
char* ConsoleOutput::reserveForLastLine(std::size_t extra) {
    LineRef& last = lines_.back();
    Block* block = &blockOf(last);
    if (block->capacity - block->size >= extra) return block->bytes.get() + block->size;
    std::size_t needed = std::size_t(last.length) + extra;
    std::size_t capacity = std::max(blockSize_, last.offset == 0 ? std::min(2 * needed, maxLineBytes_) : needed);
    if (last.offset == 0) {
        // The line owns its block: grow the block in place.
        // Not zeroed: pages cost memory only once they are written.
        std::unique_ptr<char[]> bytes(new char[capacity]);
        std::memcpy(bytes.get(), block->bytes.get(), last.length);
        block->bytes = std::move(bytes);
        blockBytes_ += capacity - block->capacity;
        block->capacity = std::uint32_t(capacity);
        return block->bytes.get() + block->size;
    }
    std::string_view moving(block->bytes.get() + last.offset, last.length);
    block->size -= last.length;
    addBlock(capacity);
    lastBlockLines_ = 1;
    Block& fresh = blocks_.back();
    std::memcpy(fresh.bytes.get(), moving.data(), moving.size());
    fresh.size = last.length;
    last.block = std::uint32_t(firstBlock_ + blocks_.size() - 1);
    last.offset = 0;
    return fresh.bytes.get() + fresh.size;
}

void ConsoleOutput::addBlock(std::size_t capacity) {
    Block block;
    block.bytes.reset(new char[capacity]);
    block.capacity = std::uint32_t(capacity);
    blocks_.push_back(std::move(block));
    blockBytes_ += capacity;
    lastBlockLines_ = 0;
}

// Drops whole blocks from the top until the list fits its bound again. The
// last block holds the last line and always stays.
void ConsoleOutput::keepBound() {
    while (heldBytes() > maxBytes_ && blocks_.size() > 1) dropFirstBlock();
}

void ConsoleOutput::dropFirstBlock() {
    // Lines run through the blocks in order: the first block's lines lead.
    auto end = std::partition_point(lines_.begin(), lines_.end(),
                                    [this](const LineRef& ref) { return ref.block == firstBlock_; });
    std::size_t dropped = std::size_t(end - lines_.begin());
    lines_.erase(lines_.begin(), end);
    blockBytes_ -= blocks_.front().capacity;
    blocks_.pop_front();
    ++firstBlock_;
    if (dropped == 0) return;
    droppedLines_ += dropped;
    droppedLine_ = droppedLinesText(droppedLines_);
}

}  // namespace orvo
