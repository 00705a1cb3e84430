#include "data/xml_scanner.h"

#include "data/packet_error.h"
#include "data/xml_attribute.h"

namespace zelvaro {

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool endsName(char c) {
    return isSpace(c) || c == '=' || c == '/' || c == '>' || c == '<' || c == '"' || c == '\'';
}

bool startsWith(std::string_view text, std::size_t at, std::string_view prefix) {
    return text.substr(at, prefix.size()) == prefix;
}

[[noreturn]] void truncated() {
    throw PacketError("o pacote de dados termina antes do fim");
}

}  // namespace

char XmlScanner::peek() const {
    if (pos_ >= text_.size()) truncated();
    return text_[pos_];
}

XmlScanner::Token XmlScanner::next() {
    for (;;) {
        const std::size_t open = text_.find('<', pos_);
        if (open == std::string_view::npos) {
            pos_ = text_.size();
            return Token::End;
        }
        pos_ = open;
        if (startsWith(text_, pos_, "<?")) {
            skipPast("?>");
        } else if (startsWith(text_, pos_, "<!--")) {
            skipPast("-->");
        } else if (startsWith(text_, pos_, "<![CDATA[")) {
            skipPast("]]>");
        } else if (startsWith(text_, pos_, "<!")) {
            throw PacketError("declarações de tipo de documento não são lidas");
        } else if (startsWith(text_, pos_, "</")) {
            readEndTag();
            return Token::EndTag;
        } else {
            readStartTag();
            return Token::StartTag;
        }
    }
}

void XmlScanner::skipPast(std::string_view terminator) {
    const std::size_t end = text_.find(terminator, pos_ + 2);
    if (end == std::string_view::npos) truncated();
    pos_ = end + terminator.size();
}

void XmlScanner::skipSpaces() {
    while (pos_ < text_.size() && isSpace(text_[pos_])) ++pos_;
}

std::string_view XmlScanner::readName() {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && !endsName(text_[pos_])) ++pos_;
    if (pos_ == text_.size()) truncated();
    if (pos_ == start) throw PacketError("falta um nome numa marca");
    return text_.substr(start, pos_ - start);
}

void XmlScanner::readEndTag() {
    pos_ += 2;
    name_ = readName();
    emptyElement_ = false;
    attributes_.clear();
    skipSpaces();
    if (peek() != '>') throw PacketError("marca de fechamento malformada");
    ++pos_;
}

void XmlScanner::readStartTag() {
    ++pos_;
    name_ = readName();
    emptyElement_ = false;
    attributes_.clear();
    for (;;) {
        skipSpaces();
        const char c = peek();
        if (c == '>') {
            ++pos_;
            return;
        }
        if (c == '/') {
            ++pos_;
            if (peek() != '>') throw PacketError("marca de elemento vazio malformada");
            ++pos_;
            emptyElement_ = true;
            return;
        }
        readAttribute();
    }
}

void XmlScanner::readAttribute() {
    Attribute attribute;
    attribute.name = readName();
    skipSpaces();
    if (peek() != '=') throw PacketError("atributo sem valor");
    ++pos_;
    skipSpaces();
    const char quote = peek();
    if (quote != '"' && quote != '\'') throw PacketError("valor de atributo sem aspas");
    const std::size_t start = ++pos_;
    pos_ = text_.find(quote, start);
    if (pos_ == std::string_view::npos) truncated();
    for (std::size_t i = start; i < pos_; ++i) {
        const char c = text_[i];
        if (c == '<') throw PacketError("\"<\" dentro de um valor de atributo");
        if (c == '&' || c == '\r' || c == '\n' || c == '\t') attribute.needsUnescaping = true;
    }
    attribute.raw = text_.substr(start, pos_ - start);
    ++pos_;
    attributes_.push_back(attribute);
}

std::string_view XmlScanner::value(const Attribute& attribute, std::string& scratch) {
    if (!attribute.needsUnescaping) return attribute.raw;
    if (!unescapeAttribute(attribute.raw, scratch))
        throw PacketError("referência inválida num valor de atributo");
    return scratch;
}

}  // namespace zelvaro
