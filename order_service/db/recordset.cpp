// The client-side recordset: all rows fetched at open, then moved over.
#include "order_service/db/recordset.h"

#include <utility>

namespace order_service::db {
namespace {

// The descriptions ADO gives for the same misuses, which the service's
// messages have always shown.
constexpr char16_t kNoCurrentRow[] =
    u"Either BOF or EOF is True, or the current record has been deleted. "
    u"Requested operation requires a current record.";
constexpr char16_t kClosed[] = u"Operation is not allowed when the object is closed.";
constexpr char16_t kAlreadyOpen[] = u"Operation is not allowed when the object is open.";

bool SameNameIgnoringCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char16_t x = a[i], y = b[i];
    if (x >= u'A' && x <= u'Z') x += 32;
    if (y >= u'A' && y <= u'Z') y += 32;
    if (x != y) return false;
  }
  return true;
}

}  // namespace

void Recordset::Open(const Text& sql, Connection& cn) {
  if (open_) throw DatabaseError(kAlreadyOpen);
  ResultRows rows = cn.Query(sql);
  if (!rows.has_result) return;  // an insert through the recordset leaves it closed
  result_ = std::move(rows);
  current_ = 0;
  open_ = true;
}

long Recordset::RecordCount() const { return open_ ? static_cast<long>(result_.rows.size()) : -1; }

bool Recordset::Eof() const {
  if (!open_) throw DatabaseError(kClosed);
  return current_ >= result_.rows.size();
}

void Recordset::MoveFirst() {
  if (!open_) throw DatabaseError(kClosed);
  if (result_.rows.empty()) throw DatabaseError(kNoCurrentRow);
  current_ = 0;
}

void Recordset::MoveNext() {
  if (!open_) throw DatabaseError(kClosed);
  if (current_ >= result_.rows.size()) throw DatabaseError(kNoCurrentRow);
  ++current_;
}

void Recordset::MoveLast() {
  if (!open_) throw DatabaseError(kClosed);
  if (result_.rows.empty()) throw DatabaseError(kNoCurrentRow);
  current_ = result_.rows.size() - 1;
}

const DbValue& Recordset::Field(std::u16string_view name) const {
  if (!open_) throw DatabaseError(kClosed);
  for (size_t c = 0; c < result_.columns.size(); ++c) {
    if (!SameNameIgnoringCase(result_.columns[c], name)) continue;
    if (current_ >= result_.rows.size()) throw DatabaseError(kNoCurrentRow);
    return result_.rows[current_][c];
  }
  throw DatabaseError(u"Item cannot be found in the collection corresponding to the requested name or ordinal. (" +
                      Text(name) + u")");
}

void Recordset::Close() {
  result_ = ResultRows{};
  current_ = 0;
  open_ = false;
}

}  // namespace order_service::db
