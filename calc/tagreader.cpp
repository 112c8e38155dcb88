#include "tagreader.h"

TagReader::State TagReader::read(std::string_view text)
{
    for (const char c : text) {
        if (state_ != State::Reading)
            break;
        switch (c) {
        case ' ':
            break;
        case '/':
            closing_ = true;
            break;
        case '<':
            collecting_ = false;
            inTag_ = true;
            name_.clear();
            break;
        case '>':
            endTag();
            break;
        default:
            if (inTag_)
                append(name_, c);
            else if (collecting_)
                append(content_, c);
            break;
        }
    }
    return state_;
}

void TagReader::endTag()
{
    if (!inTag_) {
        state_ = State::Malformed;
        return;
    }
    inTag_ = false;
    if (closing_) {
        closeTag();
        return;
    }
    if (openTags_.size() == kMaxDepth) {
        state_ = State::Malformed;
        return;
    }
    openTags_.push_back(name_);
    content_.clear();
    collecting_ = true;
}

void TagReader::closeTag()
{
    closing_ = false;
    if (openTags_.empty() || openTags_.back() != name_) {
        state_ = State::Malformed;
        return;
    }
    listener_.tagClosed(openTags_, content_);
    openTags_.pop_back();
    content_.clear();
    collecting_ = false;
    if (openTags_.empty())
        state_ = State::RootClosed;
}

void TagReader::append(std::string& text, char c)
{
    if (text.size() == kMaxText)
        state_ = State::Malformed;
    else
        text.push_back(c);
}
