#pragma once

// One statement prepared on an attachment, kept by the connection and run again with new
// parameters. For the data-access layer only.

#include "db/FbClient.h"
#include "db/ResultData.h"

#include <QString>

#include <vector>

namespace pelora::db {

class PreparedStatement {
public:
    PreparedStatement(Firebird::IAttachment* attachment, Firebird::ITransaction* tx,
                      const QString& sql);
    ~PreparedStatement();
    // The attachment is gone: the statement is let go without a word to the server.
    void abandon() noexcept;
    PreparedStatement(const PreparedStatement&) = delete;
    PreparedStatement& operator=(const PreparedStatement&) = delete;

    // A plain SELECT: it can run in the read-only transaction.
    bool isSelect() const { return type_ == isc_info_sql_stmt_select; }

    ResultData run(Firebird::ITransaction* tx, const std::vector<Value>& params);

    // Where one column or parameter sits in a message buffer, and in which type.
    struct Field {
        unsigned type;
        unsigned subType;
        unsigned length;
        unsigned charSet;
        unsigned offset;
        unsigned nullOffset;
    };

private:
    void describe(Firebird::ITransaction* tx, const QString& sql);
    void bindInputs(Firebird::ITransaction* tx, const std::vector<Value>& params);
    Row decodeRow(Firebird::ITransaction* tx);

    Firebird::IAttachment* attachment_;
    Firebird::IStatement* stmt_ = nullptr;
    unsigned type_ = 0;
    bool hasCursor_ = false;

    fb::Ref<Firebird::IMessageMetadata> inDescribed_;
    std::vector<Field> inDescribedFields_;
    fb::Ref<Firebird::IMessageMetadata> inMeta_;  // built for the last parameter kinds
    std::vector<Field> inFields_;
    std::vector<unsigned> inSignature_;           // the wire types inMeta_ was built for
    std::vector<unsigned char> inBuffer_;

    fb::Ref<Firebird::IMessageMetadata> outMeta_;  // with columns read as the layer reads them
    std::vector<Field> outFields_;
    std::vector<unsigned char> outBuffer_;
    std::shared_ptr<const ColumnSet> columns_;
};

} // namespace pelora::db
