#include "jobs/console_output.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace orvo {
namespace {

constexpr std::size_t kBlockSize = std::size_t(1) << 20;
constexpr std::size_t kTabWidth = 8;

bool isBreak(char c) { return c == '\n' || c == '\r'; }

std::size_t columnsOf(std::string_view text) {
    return std::size_t(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// The first CR or LF in `text`, or its size.
std::size_t findBreak(std::string_view text) {
    const char* begin = text.data();
    const void* lf = std::memchr(begin, '\n', text.size());
    std::size_t end = lf ? std::size_t(static_cast<const char*>(lf) - begin) : text.size();
    const void* cr = std::memchr(begin, '\r', end);
    return cr ? std::size_t(static_cast<const char*>(cr) - begin) : end;
}

}  // namespace

std::string_view ConsoleOutput::line(std::size_t index) const {
    const LineRef& ref = lines_[index];
    return {blocks_[ref.block].bytes.get() + ref.offset, ref.length};
}

std::size_t ConsoleOutput::reservedBytes() const {
    std::size_t total = 0;
    for (const Block& block : blocks_) total += block.capacity;
    return total;
}

void ConsoleOutput::clear() {
    blocks_.clear();
    lines_.clear();
    ++generation_;
    longestLine_ = 0;
    lineBreak_ = 0;
    lastColumns_ = 0;
    lastColumnsKnown_ = true;
}

void ConsoleOutput::appendLine(std::string_view text) {
    startLine();
    appendToLastLine(text);
    lastColumnsKnown_ = false;
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

void ConsoleOutput::appendRun(std::string_view run) {
    if (!std::memchr(run.data(), '\t', run.size())) {
        appendToLastLine(run);
        lastColumnsKnown_ = false;
        return;
    }
    lastColumns_ = lastLineColumns();
    expanded_.clear();
    for (char c : run) {
        if (c == '\t') {
            std::size_t blanks = kTabWidth - lastColumns_ % kTabWidth;
            expanded_.append(blanks, ' ');
            lastColumns_ += blanks;
        } else {
            expanded_ += c;
            if ((c & 0xC0) != 0x80) ++lastColumns_;
        }
    }
    appendToLastLine(expanded_);
    lastColumnsKnown_ = true;
}

std::size_t ConsoleOutput::lastLineColumns() {
    if (!lastColumnsKnown_) {
        lastColumns_ = columnsOf(line(lines_.size() - 1));
        lastColumnsKnown_ = true;
    }
    return lastColumns_;
}

void ConsoleOutput::startLine() {
    if (blocks_.empty()) addBlock(kBlockSize);
    std::uint32_t last = std::uint32_t(blocks_.size() - 1);
    lines_.push_back({last, blocks_[last].size, 0});
    lastColumns_ = 0;
    lastColumnsKnown_ = true;
}

void ConsoleOutput::appendToLastLine(std::string_view piece) {
    if (piece.empty()) return;
    char* target = reserveForLastLine(piece.size());
    std::memcpy(target, piece.data(), piece.size());
    LineRef& last = lines_.back();
    last.length += std::uint32_t(piece.size());
    blocks_[last.block].size += std::uint32_t(piece.size());
    longestLine_ = std::max<std::size_t>(longestLine_, last.length);
}

// Room for `extra` more bytes right behind the last line, which always ends
// its block. A line that does not fit moves to a new block; a line that fills
// a block alone gets a block twice the size.
char* ConsoleOutput::reserveForLastLine(std::size_t extra) {
    LineRef& last = lines_.back();
    Block* block = &blocks_[last.block];
    if (block->capacity - block->size >= extra) return block->bytes.get() + block->size;
    std::size_t needed = std::size_t(last.length) + extra;
    std::size_t capacity = std::max(kBlockSize, last.offset == 0 ? 2 * needed : needed);
    if (last.offset == 0) {
        // The line owns its block: grow the block in place.
        // Not zeroed: pages cost memory only once they are written.
        std::unique_ptr<char[]> bytes(new char[capacity]);
        std::memcpy(bytes.get(), block->bytes.get(), last.length);
        block->bytes = std::move(bytes);
        block->capacity = std::uint32_t(capacity);
        return block->bytes.get() + block->size;
    }
    std::string_view moving(block->bytes.get() + last.offset, last.length);
    block->size -= last.length;
    addBlock(capacity);
    Block& fresh = blocks_.back();
    std::memcpy(fresh.bytes.get(), moving.data(), moving.size());
    fresh.size = last.length;
    last.block = std::uint32_t(blocks_.size() - 1);
    last.offset = 0;
    return fresh.bytes.get() + fresh.size;
}

void ConsoleOutput::addBlock(std::size_t capacity) {
    Block block;
    block.bytes.reset(new char[capacity]);
    block.capacity = std::uint32_t(capacity);
    blocks_.push_back(std::move(block));
}

}  // namespace orvo
