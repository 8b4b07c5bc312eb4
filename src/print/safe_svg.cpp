#include "print/safe_svg.h"

#include <zlib.h>

#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <array>
#include <optional>
#include <variant>

#include "core/client_names.h"

namespace print {

namespace {

// A reference quoted in a message is cut to this many characters.
constexpr int kShownReferenceLength = 80;

// The two kinds of embedded picture a logo may carry, as the copy writes them.
constexpr std::array<const char*, 2> kEmbeddedKinds{"data:image/png;base64,",
                                                    "data:image/jpeg;base64,"};

struct Refusal {
    SvgFault fault;
    QString detail;
};

QString shownReference(const QString& reference) {
    const QString simple = reference.simplified();
    const QString cut = core::leadingCharacters(simple, kShownReferenceLength);
    return cut.size() < simple.size() ? cut + u'…' : cut;
}

// The name after its prefix: "xlink:href" is an href, as "svg:image" is an image.
QStringView localName(QStringView qualified) {
    const qsizetype colon = qualified.lastIndexOf(u':');
    return colon < 0 ? qualified : qualified.mid(colon + 1);
}

// The first url(…) or @import in a value or style sheet that leads anywhere
// but into the document; empty when there is none.
QString outsideInStyle(const QString& text) {
    static const QRegularExpression url(QStringLiteral(R"(url\s*\(\s*['"]?\s*([^'"\s)]?))"),
                                        QRegularExpression::CaseInsensitiveOption);
    for (auto it = url.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (match.captured(1) != u"#") {
            return shownReference(text.mid(match.capturedStart(), kShownReferenceLength));
        }
    }
    const qsizetype import = text.indexOf(QStringLiteral("@import"), 0, Qt::CaseInsensitive);
    return import < 0 ? QString() : shownReference(text.mid(import, kShownReferenceLength));
}

// An <image>'s reference as the copy keeps it: an embedded PNG or JPEG that
// passes the check, in the form Qt decodes, which takes what follows the last
// "base64," and reads its format from the bytes themselves.
std::variant<QString, Refusal> embeddedPicture(const QString& reference,
                                               const EmbeddedPictureCheck& check) {
    const QString trimmed = reference.trimmed();
    if (!trimmed.startsWith(QStringLiteral("data:"), Qt::CaseInsensitive)) {
        return Refusal{SvgFault::Outside, shownReference(reference)};
    }
    QString compact = trimmed;
    compact.remove(QRegularExpression(QStringLiteral("\\s")));
    for (const char* kind : kEmbeddedKinds) {
        const QString prefix = QString::fromLatin1(kind);
        if (!compact.startsWith(prefix, Qt::CaseInsensitive)) {
            continue;
        }
        const auto decoded = QByteArray::fromBase64Encoding(
            compact.mid(prefix.size()).toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        if (decoded && !decoded.decoded.isEmpty() && check(decoded.decoded)) {
            return prefix + QString::fromLatin1(decoded.decoded.toBase64());
        }
        break;
    }
    return Refusal{SvgFault::Embedded, shownReference(reference)};
}

// What becomes of one attribute: kept as it is or with a new value (a
// string), left out (nullopt), or the drawing refused.
using AttributeFate = std::variant<std::optional<QString>, Refusal>;

AttributeFate attributeFate(QStringView element, const QXmlStreamAttribute& attribute,
                            const EmbeddedPictureCheck& check) {
    const QString value = attribute.value().toString();
    if (localName(attribute.qualifiedName()).compare(u"href", Qt::CaseInsensitive) != 0) {
        const QString outside = outsideInStyle(value);
        if (!outside.isEmpty()) {
            return Refusal{SvgFault::Outside, outside};
        }
        return std::optional<QString>(value);
    }
    if (element.compare(u"image", Qt::CaseInsensitive) == 0) {
        std::variant<QString, Refusal> picture = embeddedPicture(value, check);
        if (const auto* refused = std::get_if<Refusal>(&picture)) {
            return *refused;
        }
        return std::optional<QString>(std::get<QString>(picture));
    }
    if (value.trimmed().startsWith(u'#')) {
        return std::optional<QString>(value);
    }
    if (element.compare(u"a", Qt::CaseInsensitive) == 0) {
        return std::optional<QString>();
    }
    return Refusal{SvgFault::Outside, shownReference(value)};
}

// Copies the document token by token into a writer, as sanitizeSvg says.
class SvgCopier {
public:
    SvgCopier(const QByteArray& document, const EmbeddedPictureCheck& check)
        : reader_(document), writer_(&copy_), check_(check) {
        // As Qt's own SVG reader reads: prefixes are part of the names.
        reader_.setNamespaceProcessing(false);
    }

    SafeSvg run() {
        writer_.writeStartDocument();
        while (!reader_.atEnd() && !refusal_) {
            step(reader_.readNext());
        }
        if (!refusal_ && reader_.hasError()) {
            refusal_ = Refusal{SvgFault::Broken, {}};
        }
        if (!refusal_ && !rootSeen_) {
            refusal_ = Refusal{SvgFault::NotSvg, {}};
        }
        if (refusal_) {
            return {{}, refusal_->fault, refusal_->detail};
        }
        writer_.writeEndDocument();
        return {copy_, SvgFault::None, {}};
    }

private:
    void step(QXmlStreamReader::TokenType token) {
        switch (token) {
            case QXmlStreamReader::DTD:
                if (!reader_.entityDeclarations().isEmpty()) {
                    refusal_ = Refusal{SvgFault::Entities, {}};
                }
                break;
            case QXmlStreamReader::EntityReference:
                refusal_ = Refusal{SvgFault::Entities, {}};
                break;
            case QXmlStreamReader::StartElement:
                startElement();
                break;
            case QXmlStreamReader::EndElement:
                --depth_;
                inStyle_ = false;
                writer_.writeEndElement();
                break;
            case QXmlStreamReader::Characters:
                characters();
                break;
            default:  // comments, processing instructions, the document's own start and end
                break;
        }
    }

    void startElement() {
        const QString name = reader_.qualifiedName().toString();
        if (++depth_ > kSvgMaxDepth || ++elements_ > kSvgMaxElements) {
            refusal_ = Refusal{SvgFault::Complex, {}};
            return;
        }
        if (depth_ == 1) {
            if (localName(name) != u"svg") {
                refusal_ = Refusal{SvgFault::NotSvg, {}};
                return;
            }
            rootSeen_ = true;
        }
        inStyle_ = localName(name).compare(u"style", Qt::CaseInsensitive) == 0;
        writer_.writeStartElement(name);
        for (const QXmlStreamAttribute& attribute : reader_.attributes()) {
            AttributeFate fate = attributeFate(localName(name), attribute, check_);
            if (auto* refused = std::get_if<Refusal>(&fate)) {
                refusal_ = std::move(*refused);
                return;
            }
            if (const auto& value = std::get<std::optional<QString>>(fate)) {
                writer_.writeAttribute(attribute.qualifiedName().toString(), *value);
            }
        }
    }

    void characters() {
        const QString text = reader_.text().toString();
        if (inStyle_) {
            if (const QString outside = outsideInStyle(text); !outside.isEmpty()) {
                refusal_ = Refusal{SvgFault::Outside, outside};
                return;
            }
        }
        if (reader_.isCDATA()) {
            writer_.writeCDATA(text);
        } else {
            writer_.writeCharacters(text);
        }
    }

    QXmlStreamReader reader_;
    QByteArray copy_;
    QXmlStreamWriter writer_;
    const EmbeddedPictureCheck& check_;
    std::optional<Refusal> refusal_;
    int depth_ = 0;
    int elements_ = 0;
    bool rootSeen_ = false;
    bool inStyle_ = false;
};

}  // namespace

SafeSvg sanitizeSvg(const QByteArray& document, const EmbeddedPictureCheck& check) {
    return SvgCopier(document, check).run();
}

Inflated inflateGzip(const QByteArray& compressed, qint64 maxBytes, QByteArray* out) {
    z_stream stream{};
    // 16 + MAX_WBITS: gzip's header and trailer, which zlib checks.
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK) {
        return Inflated::Broken;
    }
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.constData()));
    stream.avail_in = static_cast<uInt>(compressed.size());
    std::array<char, 64 * 1024> chunk{};
    Inflated result = Inflated::Done;
    out->clear();
    int status = Z_OK;
    while (status != Z_STREAM_END || stream.avail_in > 0) {
        if (status == Z_STREAM_END) {
            inflateReset(&stream);  // the next member of the file
        }
        stream.next_out = reinterpret_cast<Bytef*>(chunk.data());
        stream.avail_out = static_cast<uInt>(chunk.size());
        status = inflate(&stream, Z_NO_FLUSH);
        const qsizetype produced = static_cast<qsizetype>(chunk.size() - stream.avail_out);
        if (status != Z_OK && status != Z_STREAM_END) {
            result = Inflated::Broken;
            break;
        }
        if (out->size() + produced > maxBytes) {
            result = Inflated::TooLarge;
            break;
        }
        out->append(chunk.data(), produced);
        if (status == Z_OK && produced == 0 && stream.avail_in == 0) {
            result = Inflated::Broken;  // the data ends before its member does
            break;
        }
    }
    inflateEnd(&stream);
    if (result != Inflated::Done) {
        out->clear();
    }
    return result;
}

}  // namespace print
