#pragma once
// What a PDF file written by Qt's printing holds, read enough to check a
// printout: its pages and their size, and each image drawn, with its pixels
// (decoded from the file's JPEG or deflated data) and the rectangle it covers
// on its page in points, y growing downwards from the page's top edge.
#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <array>
#include <map>
#include <vector>

struct PdfDrawnImage {
    QImage image;
    QRectF rect;
};

struct PdfPrintout {
    int pages = 0;
    QSizeF pageSize;
    std::vector<PdfDrawnImage> images;
};

namespace pdf_reading {

using Matrix = std::array<double, 6>; // a b c d e f

inline Matrix Multiply(const Matrix& m, const Matrix& n) { // m then n
    return {m[0] * n[0] + m[1] * n[2],        m[0] * n[1] + m[1] * n[3],        m[2] * n[0] + m[3] * n[2],
            m[2] * n[1] + m[3] * n[3],        m[4] * n[0] + m[5] * n[2] + n[4], m[4] * n[1] + m[5] * n[3] + n[5]};
}

struct Object {
    QByteArray dictionary;
    QByteArray stream;
    bool hasStream = false;
};

inline std::map<int, Object> Objects(const QByteArray& file) {
    std::map<int, Object> objects;
    static const QRegularExpression start(QStringLiteral("(\\d+) 0 obj"));
    const QString text = QString::fromLatin1(file); // one character a byte
    qsizetype from = 0;
    while (true) {
        const QRegularExpressionMatch m = start.match(text, from);
        if (!m.hasMatch()) break;
        const qsizetype bodyStart = m.capturedEnd();
        const qsizetype end = file.indexOf("endobj", bodyStart);
        if (end < 0) break;
        Object o;
        const QByteArray body = file.mid(bodyStart, end - bodyStart);
        const qsizetype s = body.indexOf("stream\n");
        if (s >= 0) {
            o.hasStream = true;
            o.dictionary = body.left(s);
            const qsizetype e = body.lastIndexOf("endstream");
            o.stream = body.mid(s + 7, e - s - 7);
        } else {
            o.dictionary = body;
        }
        objects[m.captured(1).toInt()] = o;
        from = end + 6;
    }
    return objects;
}

inline QString Value(const QByteArray& dictionary, const char* key) {
    const QRegularExpression re(QStringLiteral("/%1\\s+([^/\\n>]+)").arg(QLatin1String(key)));
    const QRegularExpressionMatch m = re.match(QString::fromLatin1(dictionary));
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

// A stream's bytes up to its length (a number or a reference).
inline QByteArray StreamBytes(const Object& o, const std::map<int, Object>& objects) {
    QString length = Value(o.dictionary, "Length");
    if (length.endsWith(QLatin1String(" R"))) {
        const auto it = objects.find(length.split(QLatin1Char(' ')).first().toInt());
        length = it == objects.end() ? QString() : QString::fromLatin1(it->second.dictionary).trimmed();
    }
    bool ok = false;
    const int n = length.toInt(&ok);
    return ok ? o.stream.left(n) : o.stream;
}

inline QByteArray Inflate(const QByteArray& data, qsizetype expected) {
    QByteArray withSize(4, '\0');
    const quint32 n = quint32(qMax<qsizetype>(expected, 1));
    withSize[0] = char(n >> 24);
    withSize[1] = char(n >> 16);
    withSize[2] = char(n >> 8);
    withSize[3] = char(n);
    return qUncompress(withSize + data);
}

} // namespace pdf_reading

inline PdfPrintout ReadPdfPrintout(const QByteArray& file) {
    using namespace pdf_reading;
    PdfPrintout out;
    const std::map<int, Object> objects = Objects(file);
    std::map<int, QImage> images; // by object number
    QByteArray content;
    for (const auto& [number, o] : objects) {
        if (o.dictionary.contains("/Type /Page\n") || o.dictionary.contains("/Type /Page\r")) {
            ++out.pages;
            static const QRegularExpression box(QStringLiteral("/MediaBox \\[([\\d.]+) ([\\d.]+) ([\\d.]+) ([\\d.]+)\\]"));
            const QRegularExpressionMatch m = box.match(QString::fromLatin1(o.dictionary));
            if (m.hasMatch()) out.pageSize = QSizeF(m.captured(3).toDouble(), m.captured(4).toDouble());
        }
        if (!o.hasStream) continue;
        const QByteArray data = StreamBytes(o, objects);
        if (o.dictionary.contains("/Subtype /Image")) {
            const int w = Value(o.dictionary, "Width").toInt();
            const int h = Value(o.dictionary, "Height").toInt();
            QImage img;
            if (o.dictionary.contains("/DCTDecode")) {
                img = QImage::fromData(data, "JPG");
            } else if (o.dictionary.contains("/FlateDecode")) {
                const QByteArray raw = Inflate(data, qsizetype(w) * h * 3);
                if (raw.size() >= qsizetype(w) * h * 3) {
                    img = QImage(w, h, QImage::Format_RGB888);
                    for (int y = 0; y < h; ++y) memcpy(img.scanLine(y), raw.constData() + qsizetype(y) * w * 3, size_t(w) * 3);
                }
            }
            images[number] = img.convertToFormat(QImage::Format_RGB888);
        } else if (o.dictionary.contains("/FlateDecode")) {
            content += Inflate(data, 1 << 16);
        } else {
            content += data;
        }
    }
    // The image names of the resources: /Im7 is object 7.
    std::vector<Matrix> stack{{1, 0, 0, 1, 0, 0}};
    QStringList operands;
    for (const QByteArray& token : content.simplified().split(' ')) {
        const QString t = QString::fromLatin1(token);
        if (t == QLatin1String("q")) {
            stack.push_back(stack.back());
        } else if (t == QLatin1String("Q")) {
            if (stack.size() > 1) stack.pop_back();
        } else if (t == QLatin1String("cm") && operands.size() >= 6) {
            Matrix m;
            for (int i = 0; i < 6; ++i) m[std::size_t(i)] = operands[operands.size() - 6 + i].toDouble();
            stack.back() = Multiply(m, stack.back());
        } else if (t == QLatin1String("Do") && !operands.isEmpty() && operands.back().startsWith(QLatin1String("/Im"))) {
            const Matrix& c = stack.back();
            // The unit square's corners on the page, y from the top edge.
            const double x0 = c[4], y0 = c[5], x1 = c[0] + c[2] + c[4], y1 = c[1] + c[3] + c[5];
            const QRectF r(QPointF(qMin(x0, x1), out.pageSize.height() - qMax(y0, y1)),
                           QPointF(qMax(x0, x1), out.pageSize.height() - qMin(y0, y1)));
            out.images.push_back(PdfDrawnImage{images[operands.back().mid(3).toInt()], r});
        }
        if (t == QLatin1String("q") || t == QLatin1String("Q") || t == QLatin1String("cm") || t == QLatin1String("Do") ||
            t == QLatin1String("gs") || t == QLatin1String("cs") || t == QLatin1String("CS"))
            operands.clear();
        else
            operands << t;
    }
    return out;
}
