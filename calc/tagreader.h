// The character-level reader of the road file's tag tree. It is as lenient
// as road files have always been read: blanks and slashes are dropped
// wherever they stand, a tag is closed by name alone, unknown tags are
// passed on like any other, and nothing after the closed root is read.
#ifndef TRAZEL_TAGREADER_H
#define TRAZEL_TAGREADER_H

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class TagReader
{
public:
    // Told of every tag that is closed properly.
    class Listener
    {
    public:
        // openTags runs from the root to the closing tag, so its size is the
        // closing tag's depth (1 for the root). content is the text that
        // followed the tag's opening, up to the next tag.
        virtual void tagClosed(const std::vector<std::string>& openTags,
                               const std::string& content) = 0;

    protected:
        ~Listener() = default;
    };

    enum class State { Reading, RootClosed, Malformed };

    // The longest tag name or content; one character more is malformed.
    static constexpr std::size_t kMaxText = 255;
    // The deepest nesting; one level more is malformed. Road files nest five
    // levels; the bound keeps the reader's memory small whatever it reads.
    static constexpr std::size_t kMaxDepth = 32;

    explicit TagReader(Listener& listener) : listener_(listener) {}

    // Reads the next piece of the text. Once the state is no longer Reading
    // the rest is ignored.
    State read(std::string_view text);
    State state() const { return state_; }

private:
    void endTag();
    void closeTag();
    void append(std::string& text, char c);

    Listener& listener_;
    State state_ = State::Reading;
    std::vector<std::string> openTags_;
    std::string name_;
    std::string content_;
    bool inTag_ = false;
    bool closing_ = false;
    bool collecting_ = false;
};

#endif  // TRAZEL_TAGREADER_H
