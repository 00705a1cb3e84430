#include "data/packet_text.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include "data/cp1252.h"
#include "data/packet_error.h"

namespace zelvaro {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isUtf8Name(std::string_view encoding) {
    return QByteArrayView(encoding.data(), static_cast<qsizetype>(encoding.size()))
               .compare("UTF-8", Qt::CaseInsensitive) == 0;
}

bool isAscii(std::string_view text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

bool isValidUtf8(std::string_view text) {
    return QByteArrayView(text.data(), static_cast<qsizetype>(text.size())).isValidUtf8();
}

}  // namespace

std::string_view declaredEncoding(std::string_view text) {
    if (text.substr(0, 5) != "<?xml") return {};
    const std::string_view declaration = text.substr(0, text.find("?>"));
    const std::size_t name = declaration.find("encoding");
    if (name == std::string_view::npos) return {};
    std::size_t at = declaration.find_first_not_of(" \t\r\n", name + 8);
    if (at == std::string_view::npos || declaration[at] != '=') return {};
    at = declaration.find_first_not_of(" \t\r\n", at + 1);
    if (at == std::string_view::npos || (declaration[at] != '"' && declaration[at] != '\''))
        return {};
    const std::size_t close = declaration.find(declaration[at], at + 1);
    if (close == std::string_view::npos) return {};
    return declaration.substr(at + 1, close - at - 1);
}

PacketText::PacketText(std::string_view bytes) {
    const bool marked = bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark;
    if (marked) bytes.remove_prefix(kByteOrderMark.size());
    if (bytes.empty() || bytes.front() != '<')
        throw PacketError("um pacote de dados começa com \"<\"");
    const bool utf8 =
        marked || isAscii(bytes) || (isUtf8Name(declaredEncoding(bytes)) && isValidUtf8(bytes));
    if (utf8) {
        text_ = bytes;
        return;
    }
    const QByteArray converted = fromCp1252(bytes).toUtf8();
    transcoded_.assign(converted.constData(), static_cast<std::size_t>(converted.size()));
    text_ = transcoded_;
}

}  // namespace zelvaro
