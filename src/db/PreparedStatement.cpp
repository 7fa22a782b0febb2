#include "db/PreparedStatement.h"

#include <cstring>

namespace pelora::db {

using namespace Firebird;

namespace {

constexpr unsigned kCharsetOctets = 1;
constexpr unsigned kCharsetUtf8 = 4;
constexpr unsigned kBlobSubtypeText = 1;

using Field = PreparedStatement::Field;

std::vector<Field> fieldsOf(IMessageMetadata* meta) {
    fb::Status st;
    std::vector<Field> fields(meta->getCount(&st));
    for (unsigned i = 0; i < fields.size(); ++i)
        fields[i] = {meta->getType(&st, i) & ~1u, static_cast<unsigned>(meta->getSubType(&st, i)),
                     meta->getLength(&st, i),  meta->getCharSet(&st, i),
                     meta->getOffset(&st, i),  meta->getNullOffset(&st, i)};
    return fields;
}

template <typename T>
void put(std::vector<unsigned char>& buffer, unsigned offset, const T& value) {
    std::memcpy(buffer.data() + offset, &value, sizeof value);
}

template <typename T>
T get(const std::vector<unsigned char>& buffer, unsigned offset) {
    T value;
    std::memcpy(&value, buffer.data() + offset, sizeof value);
    return value;
}

bool isTextType(unsigned type) { return type == SQL_VARYING || type == SQL_TEXT; }

// The type in which a parameter value is sent; the server converts it to the column's type.
struct Wire {
    unsigned type, length, charSet, subType;
    friend bool operator==(const Wire&, const Wire&) = default;
};

Wire wireFor(const Field& described, const Value& v) {
    switch (v.kind()) {
    case Value::Kind::Null:
        return {described.type, described.length, described.charSet, described.subType};
    case Value::Kind::Integer:
        return {SQL_INT64, 8, 0, 0};
    case Value::Kind::Float:
        return {SQL_DOUBLE, 8, 0, 0};
    case Value::Kind::DateTime:
        return {SQL_TIMESTAMP, 8, 0, 0};
    case Value::Kind::Date:
        return {SQL_TYPE_DATE, 4, 0, 0};
    case Value::Kind::Time:
        return {SQL_TYPE_TIME, 4, 0, 0};
    case Value::Kind::Text:
    case Value::Kind::Bytes:
        break;
    }
    if (described.type == SQL_BLOB)
        return {SQL_BLOB, 8, 0, described.subType};
    const bool bytes = v.kind() == Value::Kind::Bytes;
    const auto size = static_cast<unsigned>(bytes ? v.asBytes().size() : v.asText().toUtf8().size());
    // A text column's own width keeps the layout steady from call to call; a longer value is
    // sent whole so that the server refuses it rather than the layer cutting it short.
    unsigned length = isTextType(described.type) ? std::max(described.length, size)
                                                 : std::max(32u, (size + 31) / 32 * 32);
    length = std::max(length, 1u);
    const unsigned charSet = bytes ? kCharsetOctets
                             : isTextType(described.type) ? described.charSet
                                                          : kCharsetUtf8;
    return {SQL_VARYING, length, charSet, 0};
}

void putTimestamp(std::vector<unsigned char>& buffer, unsigned offset, const QDateTime& dt) {
    ISC_TIMESTAMP ts;
    const QDate d = dt.date();
    const QTime t = dt.time();
    ts.timestamp_date = fb::util()->encodeDate(d.year(), d.month(), d.day());
    ts.timestamp_time = fb::util()->encodeTime(t.hour(), t.minute(), t.second(), t.msec() * 10);
    put(buffer, offset, ts);
}

QDate decodeDate(ISC_DATE date) {
    unsigned y = 0, m = 0, d = 0;
    fb::util()->decodeDate(date, &y, &m, &d);
    return QDate(static_cast<int>(y), static_cast<int>(m), static_cast<int>(d));
}

QTime decodeTime(ISC_TIME time) {
    unsigned h = 0, m = 0, s = 0, fractions = 0;
    fb::util()->decodeTime(time, &h, &m, &s, &fractions);
    return QTime(static_cast<int>(h), static_cast<int>(m), static_cast<int>(s),
                 static_cast<int>(fractions / 10));
}

} // namespace

PreparedStatement::PreparedStatement(IAttachment* attachment, ITransaction* tx, const QString& sql)
    : attachment_(attachment) {
    try {
        describe(tx, sql);
    } catch (...) {
        if (stmt_)
            stmt_->release();
        throw;
    }
}

void PreparedStatement::describe(ITransaction* tx, const QString& sql) {
    fb::guarded([&] {
        fb::Status st;
        const QByteArray text = sql.toUtf8();
        stmt_ = attachment_->prepare(&st, tx, 0, text.constData(), SQL_DIALECT_V6,
                                    IStatement::PREPARE_PREFETCH_METADATA);
        type_ = stmt_->getType(&st);
        hasCursor_ = (stmt_->getFlags(&st) & IStatement::FLAG_HAS_CURSOR) != 0;
        inDescribed_.reset(stmt_->getInputMetadata(&st));
        inDescribedFields_ = fieldsOf(inDescribed_.get());

        fb::Ref<IMessageMetadata> described(stmt_->getOutputMetadata(&st));
        const unsigned count = described->getCount(&st);
        fb::Ref<IMetadataBuilder> builder(described->getBuilder(&st));
        std::vector<ColumnSet::Column> columns;
        columns.reserve(count);
        for (unsigned i = 0; i < count; ++i) {
            const unsigned type = described->getType(&st, i) & ~1u;
            const int scale = described->getScale(&st, i);
            const bool wholeNumber = type == SQL_SHORT || type == SQL_LONG || type == SQL_INT64;
            if ((wholeNumber && scale != 0) || type == SQL_FLOAT || type == SQL_D_FLOAT) {
                builder->setType(&st, i, SQL_DOUBLE);
                builder->setLength(&st, i, sizeof(double));
                builder->setScale(&st, i, 0);
            } else if (wholeNumber) {
                builder->setType(&st, i, SQL_INT64);
                builder->setLength(&st, i, sizeof(ISC_INT64));
            }
            columns.push_back({QString::fromUtf8(described->getAlias(&st, i)),
                               QString::fromUtf8(described->getField(&st, i)),
                               QString::fromUtf8(described->getRelation(&st, i))});
        }
        outMeta_.reset(builder->getMetadata(&st));
        outBuffer_.resize(outMeta_->getMessageLength(&st));
        outFields_ = fieldsOf(outMeta_.get());
        columns_ = std::make_shared<const ColumnSet>(std::move(columns));
    });
}

PreparedStatement::~PreparedStatement() {
    if (!stmt_)
        return;
    try {
        fb::Status st;
        stmt_->free(&st);
    } catch (const FbException&) {
        // The attachment is gone already; the client library frees the handle with it.
        stmt_->release();
    }
}

void PreparedStatement::abandon() noexcept {
    if (stmt_)
        stmt_->release();
    stmt_ = nullptr;
}

void PreparedStatement::bindInputs(ITransaction* tx, const std::vector<Value>& params) {
    fb::Status st;
    const std::vector<Field>& described = inDescribedFields_;
    if (params.size() != described.size())
        throw DbError(QStringLiteral("The statement takes %1 parameters; %2 were given.")
                          .arg(described.size())
                          .arg(params.size()));

    std::vector<Wire> wires;
    wires.reserve(params.size());
    std::vector<unsigned> signature;
    for (std::size_t i = 0; i < params.size(); ++i) {
        wires.push_back(wireFor(described[i], params[i]));
        const Wire& w = wires.back();
        signature.insert(signature.end(), {w.type, w.length, w.charSet, w.subType});
    }
    if (!inMeta_ || signature != inSignature_) {
        fb::Ref<IMetadataBuilder> builder(inDescribed_->getBuilder(&st));
        for (unsigned i = 0; i < wires.size(); ++i) {
            const Wire& w = wires[i];
            builder->setType(&st, i, w.type);
            builder->setLength(&st, i, w.length);
            if (w.type != SQL_BLOB)
                builder->setSubType(&st, i, 0);
            else
                builder->setSubType(&st, i, static_cast<int>(w.subType));
            builder->setScale(&st, i, 0);
            if (isTextType(w.type))
                builder->setCharSet(&st, i, w.charSet);
        }
        inMeta_.reset(builder->getMetadata(&st));
        inFields_ = fieldsOf(inMeta_.get());
        inSignature_ = std::move(signature);
        inBuffer_.assign(inMeta_->getMessageLength(&st), 0);
    }

    for (std::size_t i = 0; i < params.size(); ++i) {
        const Field& f = inFields_[i];
        const Value& v = params[i];
        const bool null = v.isNull() || (v.kind() == Value::Kind::DateTime && !v.asDateTime().isValid()) ||
                          (v.kind() == Value::Kind::Date && !v.asDate().isValid());
        put<short>(inBuffer_, f.nullOffset, null ? -1 : 0);
        if (null)
            continue;
        switch (f.type) {
        case SQL_INT64:
            put<ISC_INT64>(inBuffer_, f.offset, v.asInt());
            break;
        case SQL_DOUBLE:
            put<double>(inBuffer_, f.offset, v.asDouble());
            break;
        case SQL_TIMESTAMP:
            putTimestamp(inBuffer_, f.offset, v.asDateTime());
            break;
        case SQL_TYPE_DATE: {
            const QDate d = v.asDate();
            put<ISC_DATE>(inBuffer_, f.offset, fb::util()->encodeDate(d.year(), d.month(), d.day()));
            break;
        }
        case SQL_TYPE_TIME: {
            const QTime t = v.asDateTime().isValid() ? v.asDateTime().time()
                                                     : QTime::fromString(v.asText());
            put<ISC_TIME>(inBuffer_, f.offset,
                          fb::util()->encodeTime(t.hour(), t.minute(), t.second(), t.msec() * 10));
            break;
        }
        case SQL_VARYING: {
            const QByteArray data = v.asBytes();
            put<unsigned short>(inBuffer_, f.offset, static_cast<unsigned short>(data.size()));
            std::memcpy(inBuffer_.data() + f.offset + sizeof(unsigned short), data.constData(),
                        static_cast<std::size_t>(data.size()));
            break;
        }
        case SQL_BLOB: {
            const QByteArray data = v.asBytes();
            ISC_QUAD id;
            fb::Ref<IBlob> blob(attachment_->createBlob(&st, tx, &id, 0, nullptr));
            constexpr qsizetype kSegment = 32768;
            for (qsizetype at = 0; at < data.size(); at += kSegment) {
                const auto n = static_cast<unsigned>(std::min(kSegment, data.size() - at));
                blob->putSegment(&st, n, data.constData() + at);
            }
            blob.detach()->close(&st); // close() releases the blob
            put(inBuffer_, f.offset, id);
            break;
        }
        default:
            // A value kept in the column's own type (a null placeholder): nothing to write.
            break;
        }
    }
}

Row PreparedStatement::decodeRow(ITransaction* tx) {
    fb::Status st;
    Row row;
    row.reserve(outFields_.size());
    for (const Field& f : outFields_) {
        if (get<short>(outBuffer_, f.nullOffset) != 0) {
            row.emplace_back();
            continue;
        }
        const unsigned char* at = outBuffer_.data() + f.offset;
        const char* chars = reinterpret_cast<const char*>(at);
        switch (f.type) {
        case SQL_VARYING: {
            const auto n = get<unsigned short>(outBuffer_, f.offset);
            const char* data = chars + sizeof(unsigned short);
            row.push_back(f.charSet == kCharsetOctets ? Value::bytes(QByteArray(data, n))
                                                      : Value(QString::fromUtf8(data, n)));
            break;
        }
        case SQL_TEXT: {
            qsizetype n = f.length;
            if (f.charSet == kCharsetOctets) {
                row.push_back(Value::bytes(QByteArray(chars, n)));
                break;
            }
            while (n > 0 && chars[n - 1] == ' ')
                --n;
            row.push_back(Value(QString::fromUtf8(chars, n)));
            break;
        }
        case SQL_INT64:
            row.push_back(Value(get<ISC_INT64>(outBuffer_, f.offset)));
            break;
        case SQL_DOUBLE:
            row.push_back(Value(get<double>(outBuffer_, f.offset)));
            break;
        case SQL_BOOLEAN:
            row.push_back(Value(*at != 0 ? 1 : 0));
            break;
        case SQL_TIMESTAMP: {
            const auto ts = get<ISC_TIMESTAMP>(outBuffer_, f.offset);
            row.push_back(
                Value(QDateTime(decodeDate(ts.timestamp_date), decodeTime(ts.timestamp_time))));
            break;
        }
        case SQL_TYPE_DATE:
            row.push_back(Value(decodeDate(get<ISC_DATE>(outBuffer_, f.offset))));
            break;
        case SQL_TYPE_TIME:
            row.push_back(Value(decodeTime(get<ISC_TIME>(outBuffer_, f.offset))));
            break;
        case SQL_BLOB: {
            auto id = get<ISC_QUAD>(outBuffer_, f.offset);
            fb::Ref<IBlob> blob(attachment_->openBlob(&st, tx, &id, 0, nullptr));
            QByteArray data;
            char chunk[16384];
            for (;;) {
                unsigned got = 0;
                const int r = blob->getSegment(&st, sizeof chunk, chunk, &got);
                if (r != IStatus::RESULT_OK && r != IStatus::RESULT_SEGMENT)
                    break;
                data.append(chunk, got);
            }
            blob.detach()->close(&st); // close() releases the blob
            row.push_back(f.subType == kBlobSubtypeText ? Value(QString::fromUtf8(data))
                                                        : Value::bytes(std::move(data)));
            break;
        }
        default:
            row.emplace_back();
            break;
        }
    }
    return row;
}

ResultData PreparedStatement::run(ITransaction* tx, const std::vector<Value>& params) {
    return fb::guarded([&] {
        fb::Status st;
        bindInputs(tx, params);
        ResultData result;
        result.columns = columns_;
        const bool hasOutput = columns_->count() > 0;
        if (hasCursor_) {
            IResultSet* cursor = stmt_->openCursor(&st, tx, inMeta_.get(), inBuffer_.data(),
                                                   outMeta_.get(), 0);
            try {
                while (cursor->fetchNext(&st, outBuffer_.data()) == IStatus::RESULT_OK)
                    result.rows.push_back(decodeRow(tx));
                cursor->close(&st);
            } catch (...) {
                cursor->release();
                throw;
            }
        } else {
            stmt_->execute(&st, tx, inMeta_.get(), inBuffer_.data(),
                           hasOutput ? outMeta_.get() : nullptr,
                           hasOutput ? outBuffer_.data() : nullptr);
            if (hasOutput)
                result.rows.push_back(decodeRow(tx));
        }
        // Asking costs the server a round trip: only changes of existing rows are counted.
        if (type_ == isc_info_sql_stmt_update || type_ == isc_info_sql_stmt_delete)
            result.rowsAffected = static_cast<long long>(stmt_->getAffectedRecords(&st));
        else if (hasCursor_ || hasOutput)
            result.rowsAffected = static_cast<long long>(result.rows.size());
        return result;
    });
}

} // namespace pelora::db
