#include "sources/evtx_binxml.h"

#include <string_view>

#include "history/utf16_text.h"

namespace orvanta::sources {
namespace {

// Tokens of the binary XML; bit 0x40 only says more of the same follows.
enum Token : std::uint8_t {
  kEndOfStream = 0x00,
  kOpenStart = 0x01,
  kCloseStart = 0x02,
  kCloseEmpty = 0x03,
  kEndElement = 0x04,
  kValueText = 0x05,
  kAttribute = 0x06,
  kCdata = 0x07,
  kCharRef = 0x08,
  kEntityRef = 0x09,
  kPiTarget = 0x0A,
  kPiData = 0x0B,
  kTemplateInstance = 0x0C,
  kSubstitution = 0x0D,
  kOptionalSubstitution = 0x0E,
  kFragmentHeader = 0x0F,
};
constexpr std::uint8_t kTokenMask = 0x1F;
constexpr std::uint8_t kMoreFollows = 0x40;

enum ValueType : std::uint8_t {
  kUtf16 = 0x01,
  kAnsi = 0x02,
  kInt8 = 0x03,
  kUInt64 = 0x0A,
  kFiletime = 0x11,
  kSid = 0x13,
  kHexInt32 = 0x14,
  kHexInt64 = 0x15,
  kBool = 0x0D,
  kBinary = 0x0E,
  kSizeT = 0x10,
  kSystemTime = 0x12,
  kBinXml = 0x21,
  kUtf16Array = 0x81,  // strings each ended by a zero unit
};

// Elements whose content or attributes hold a wanted field.
enum class Element : std::uint8_t {
  Other,
  EventId,
  Provider,
  TimeCreated,
  RecordId,
  Security,
  Computer,
  Data,
  Binary
};

struct NamedElement {
  std::string_view Name;
  Element Kind;
};
constexpr std::array<NamedElement, 8> kElements{{
    {"EventID", Element::EventId},
    {"Provider", Element::Provider},
    {"TimeCreated", Element::TimeCreated},
    {"EventRecordID", Element::RecordId},
    {"Security", Element::Security},
    {"Data", Element::Data},
    {"Computer", Element::Computer},
    {"Binary", Element::Binary},
}};

// The attribute of an element that holds a field; Data's Name says which value it holds.
struct FieldAttribute {
  Element Of;
  std::string_view Name;
  int Field;  // index of the field, or -1 for Data/@Name
};

constexpr int kDataName = -1;
constexpr std::string_view kUserSidName = "UserSid";
constexpr std::size_t kMaxElementDepth = 64;
constexpr std::size_t kDefinitionHeader = 24;  // previous link, GUID, data size
// Event data items kept of one definition, and of one record: the events read have at most
// about twenty.
constexpr std::size_t kMaxDataItems = 64;

struct OpenElement {
  Element Kind = Element::Other;
  bool UserSidData = false;             // a Data element named UserSid
  std::optional<std::size_t> DataItem;  // a Data element's item in the plan
};

bool IsInteger(std::uint8_t type) {
  return (type >= kInt8 && type <= kUInt64) || type == kHexInt32 || type == kHexInt64;
}

// Types whose value is a little-endian number of its size.
bool IsNumber(std::uint8_t type) {
  return IsInteger(type) || type == kBool || type == kSizeT || type == kFiletime;
}

std::optional<std::uint64_t> DecimalNumber(const std::string& text) {
  if (text.empty() || text.size() > 19) {
    return std::nullopt;
  }
  std::uint64_t number = 0;
  for (char c : text) {
    if (c < '0' || c > '9') {
      return std::nullopt;
    }
    number = number * 10 + static_cast<std::uint64_t>(c - '0');
  }
  return number;
}

}  // namespace

void EvtxFields::Clear() {
  EventId.reset();
  SystemTime.reset();
  RecordId.reset();
  Provider.clear();
  UserId.clear();
  UserSid.clear();
  Computer.clear();
  Data.clear();
  Binary.clear();
}

void EvtxBinXml::StartChunk(history::ByteReader chunk) {
  m_chunk = chunk;
  m_plans.clear();
}

bool EvtxBinXml::ReadStream(std::size_t begin, std::size_t end, EvtxFields& fields, int depth) {
  std::size_t p = begin;
  while (m_chunk.U8(p) == kFragmentHeader && p + 4 <= end) {
    p += 4;
  }
  if (p >= end || !m_chunk.Contains(p, end - p)) {
    return false;
  }
  if (m_chunk.U8(p) == kTemplateInstance) {
    return ReadInstance(p, end, fields, depth);
  }
  // Elements written out without a template carry their values as literal text.
  Plan plan;
  if (!BuildPlan(p, end, false, plan)) {
    return false;
  }
  for (std::size_t f = 0; f < kFieldCount; ++f) {
    if (plan.Fields[f].Literal) {
      ApplyLiteral(static_cast<Field>(f), *plan.Fields[f].Literal, fields);
    }
  }
  ApplyData(plan, nullptr, fields);
  return true;
}

bool EvtxBinXml::ReadInstance(std::size_t& p, std::size_t end, EvtxFields& fields, int depth) {
  // Token, a constant byte, the template id, then the chunk offset of the definition, which
  // follows at once when this instance stores it.
  const auto offset = m_chunk.U32(p + 6);
  if (!offset || p + 10 > end) {
    return false;
  }
  p += 10;
  const Plan* plan = nullptr;
  if (*offset == p) {
    const auto size = m_chunk.U32(p + 20);
    if (!size || *size > end - p || kDefinitionHeader + *size > end - p) {
      return false;
    }
    plan = DefinitionPlan(p, end);
    p += kDefinitionHeader + *size;
  } else {
    // Stored by an earlier record, so it lies wholly before this instance: no definition can
    // lead back to itself.
    plan = DefinitionPlan(*offset, p - 10);
  }
  const auto count = m_chunk.U32(p);
  if (!plan || !count || p + 4 > end || *count > (end - p - 4) / 4) {
    return false;
  }
  std::vector<Value>& values = m_values[static_cast<std::size_t>(depth)];
  values.clear();
  std::size_t at = p + 4 + 4 * static_cast<std::size_t>(*count);
  for (std::uint32_t i = 0; i < *count; ++i) {
    const std::size_t descriptor = p + 4 + 4 * static_cast<std::size_t>(i);
    const std::uint16_t size = *m_chunk.U16(descriptor);
    const std::uint8_t type = *m_chunk.U8(descriptor + 2);
    if (size > end - at) {
      return false;
    }
    values.push_back({at, size, type});
    at += size;
  }
  if (at >= end || m_chunk.U8(at) != kEndOfStream) {
    return false;
  }
  p = at + 1;
  for (std::size_t f = 0; f < kFieldCount; ++f) {
    const Source& source = plan->Fields[f];
    if (source.Substitution && *source.Substitution < values.size()) {
      ApplyValue(static_cast<Field>(f), values[*source.Substitution], fields);
    } else if (source.Literal) {
      ApplyLiteral(static_cast<Field>(f), *source.Literal, fields);
    }
  }
  ApplyData(*plan, &values, fields);
  if (depth < kMaxDepth) {
    // Event data arrives as binary XML values holding their own template instances. A nested
    // stream that does not read leaves what the outer one gave.
    for (std::size_t i = 0; i < m_values[static_cast<std::size_t>(depth)].size(); ++i) {
      const Value value = m_values[static_cast<std::size_t>(depth)][i];
      if (value.Type == kBinXml && value.Size > 0) {
        ReadStream(value.Offset, value.Offset + value.Size, fields, depth + 1);
      }
    }
  }
  return true;
}

const EvtxBinXml::Plan* EvtxBinXml::DefinitionPlan(std::size_t offset, std::size_t end) {
  auto found = m_plans.find(static_cast<std::uint32_t>(offset));
  if (found == m_plans.end()) {
    const auto size = m_chunk.U32(offset + 20);
    std::optional<Plan> plan;
    if (size && offset <= end && kDefinitionHeader <= end - offset &&
        *size <= end - offset - kDefinitionHeader) {
      plan.emplace();
      const std::size_t body = offset + kDefinitionHeader;
      if (!BuildPlan(body, body + *size, true, *plan)) {
        plan.reset();
      }
    }
    found = m_plans.emplace(static_cast<std::uint32_t>(offset), std::move(plan)).first;
  }
  return found->second ? &*found->second : nullptr;
}

bool EvtxBinXml::BuildPlan(std::size_t begin, std::size_t end, bool inDefinition,
                           Plan& plan) const {
  static constexpr std::array<FieldAttribute, 4> kAttributes{{
      {Element::Provider, "Name", static_cast<int>(Field::Provider)},
      {Element::TimeCreated, "SystemTime", static_cast<int>(Field::SystemTime)},
      {Element::Security, "UserID", static_cast<int>(Field::UserId)},
      {Element::Data, "Name", kDataName},
  }};
  std::array<OpenElement, kMaxElementDepth> open{};
  std::size_t depth = 0;
  std::optional<int> attribute;  // the field (or Data/@Name) of the attribute being read
  bool inAttribute = false;
  std::size_t p = begin;
  // The field an element's content holds, if any.
  const auto contentField = [&]() -> std::optional<int> {
    if (depth == 0 || inAttribute) {
      return std::nullopt;
    }
    const OpenElement& top = open[depth - 1];
    if (top.Kind == Element::EventId) {
      return static_cast<int>(Field::EventId);
    }
    if (top.Kind == Element::RecordId) {
      return static_cast<int>(Field::RecordId);
    }
    if (top.UserSidData) {
      return static_cast<int>(Field::UserSid);
    }
    if (top.Kind == Element::Computer) {
      return static_cast<int>(Field::Computer);
    }
    if (top.Kind == Element::Binary) {
      return static_cast<int>(Field::Binary);
    }
    return std::nullopt;
  };
  // The event data item an element's content holds, if any.
  const auto contentItem = [&]() -> DataSource* {
    if (depth == 0 || inAttribute || !open[depth - 1].DataItem) {
      return nullptr;
    }
    return &plan.Data[*open[depth - 1].DataItem];
  };
  while (p < end) {
    const auto byte = m_chunk.U8(p);
    if (!byte) {
      return false;
    }
    const std::uint8_t token = *byte & kTokenMask;
    if (*byte != token && (*byte & ~kTokenMask) != kMoreFollows) {
      return false;
    }
    ++p;
    switch (token) {
      case kEndOfStream:
        return true;
      case kFragmentHeader:
        p += 3;
        break;
      case kOpenStart: {
        p += (inDefinition ? 2 : 0) + 4;  // dependency id, data size
        std::uint32_t name = 0;
        if (depth == kMaxElementDepth || !SkipName(p, end, name)) {
          return false;
        }
        if (*byte & kMoreFollows) {
          p += 4;  // attribute list size
        }
        OpenElement element;
        for (const NamedElement& named : kElements) {
          if (NameIs(name, named.Name)) {
            element.Kind = named.Kind;
            break;
          }
        }
        if (element.Kind == Element::Data && plan.Data.size() < kMaxDataItems) {
          element.DataItem = plan.Data.size();
          plan.Data.emplace_back();
        }
        open[depth++] = element;
        inAttribute = false;
        break;
      }
      case kCloseStart:
        inAttribute = false;
        break;
      case kCloseEmpty:
      case kEndElement:
        if (depth == 0) {
          return false;
        }
        --depth;
        inAttribute = false;
        break;
      case kAttribute: {
        std::uint32_t name = 0;
        if (depth == 0 || !SkipName(p, end, name)) {
          return false;
        }
        attribute.reset();
        for (const FieldAttribute& a : kAttributes) {
          if (a.Of == open[depth - 1].Kind && NameIs(name, a.Name)) {
            attribute = a.Field;
            break;
          }
        }
        inAttribute = true;
        break;
      }
      case kValueText: {
        const auto units = m_chunk.U16(p + 1);
        if (!units || 3 + 2 * static_cast<std::size_t>(*units) > end - p) {
          return false;
        }
        const std::optional<int> target = inAttribute ? attribute : contentField();
        if (target) {
          std::string text = Text(p + 3, *units);
          if (*target == kDataName) {
            open[depth - 1].UserSidData = text == kUserSidName;
            if (open[depth - 1].DataItem) {
              plan.Data[*open[depth - 1].DataItem].Name = text;
            }
          } else {
            plan.Fields[static_cast<std::size_t>(*target)].Literal = std::move(text);
          }
        } else if (DataSource* item = contentItem()) {
          item->Value.Literal = Utf8Text(p + 3, *units);
        }
        p += 3 + 2 * static_cast<std::size_t>(*units);
        break;
      }
      case kCdata:
      case kPiData: {
        const auto units = m_chunk.U16(p);
        if (!units) {
          return false;
        }
        p += 2 + 2 * static_cast<std::size_t>(*units);
        break;
      }
      case kCharRef:
        p += 2;
        break;
      case kEntityRef:
      case kPiTarget: {
        std::uint32_t name = 0;
        if (!SkipName(p, end, name)) {
          return false;
        }
        break;
      }
      case kSubstitution:
      case kOptionalSubstitution: {
        const auto index = m_chunk.U16(p);
        if (!index) {
          return false;
        }
        const std::optional<int> target = inAttribute ? attribute : contentField();
        if (target && *target != kDataName) {
          plan.Fields[static_cast<std::size_t>(*target)].Substitution = *index;
        }
        if (DataSource* item = contentItem()) {
          item->Value.Substitution = *index;
        }
        p += 3;
        break;
      }
      default:
        // Template instances inside definitions are not written by the event log.
        return false;
    }
  }
  return false;
}

bool EvtxBinXml::SkipName(std::size_t& p, std::size_t end, std::uint32_t& name) const {
  const auto offset = m_chunk.U32(p);
  if (!offset || p + 4 > end) {
    return false;
  }
  p += 4;
  name = *offset;
  if (*offset == p) {
    // Stored here on the name's first use in the chunk: link, hash, length, text, terminator.
    const auto units = m_chunk.U16(p + 6);
    if (!units || 10 + 2 * static_cast<std::size_t>(*units) > end - p) {
      return false;
    }
    p += 10 + 2 * static_cast<std::size_t>(*units);
  }
  return true;
}

bool EvtxBinXml::NameIs(std::uint32_t name, std::string_view ascii) const {
  const auto units = m_chunk.U16(name + std::size_t{6});
  if (!units || *units != ascii.size() ||
      !m_chunk.Contains(name + std::size_t{8}, 2 * ascii.size())) {
    return false;
  }
  for (std::size_t i = 0; i < ascii.size(); ++i) {
    if (*m_chunk.U16(name + 8 + 2 * i) != static_cast<std::uint8_t>(ascii[i])) {
      return false;
    }
  }
  return true;
}

std::string EvtxBinXml::Text(std::size_t offset, std::size_t units) const {
  std::string text;
  text.reserve(units);
  for (std::size_t i = 0; i < units; ++i) {
    const auto unit = m_chunk.U16(offset + 2 * i);
    if (!unit || *unit == 0) {
      break;  // sizes may count a terminator
    }
    text.push_back(*unit < 0x80 ? static_cast<char>(*unit) : '?');
  }
  return text;
}

std::string EvtxBinXml::Utf8Text(std::size_t offset, std::size_t units) const {
  std::string text;
  for (std::size_t i = 0; i < units; ++i) {
    const auto unit = m_chunk.U16(offset + 2 * i);
    if (!unit || *unit == 0) {
      break;
    }
    std::uint32_t code = *unit;
    if (code >= 0xD800 && code < 0xDC00 && i + 1 < units) {
      const auto low = m_chunk.U16(offset + 2 * (i + 1));
      if (low && *low >= 0xDC00 && *low < 0xE000) {
        code = 0x10000 + ((code - 0xD800) << 10) + (*low - 0xDC00);
        ++i;
      }
    }
    if (code >= 0xD800 && code < 0xE000) {
      code = 0xFFFD;  // a lone surrogate
    }
    history::AppendUtf8(text, code);
  }
  return text;
}

EvtxData EvtxBinXml::DataValue(const Value& value) const {
  EvtxData data;
  if (value.Type == kUtf16) {
    data.Text = Utf8Text(value.Offset, value.Size / 2);
  } else if (value.Type == kAnsi) {
    for (std::size_t i = 0; i < value.Size; ++i) {
      const std::uint8_t c = m_chunk.U8(value.Offset + i).value_or(0);
      if (c == 0) {
        break;
      }
      data.Text.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
  } else if (IsNumber(value.Type) && value.Size > 0 && value.Size <= 8) {
    data.Number = m_chunk.Unsigned(value.Offset, value.Size, history::ByteOrder::Little);
  } else if (value.Type == kBinary || value.Type == kSid || value.Type == kSystemTime) {
    if (const auto bytes = m_chunk.Bytes(value.Offset, value.Size)) {
      data.Bytes.assign(bytes->begin(), bytes->end());
    }
  }
  return data;
}

void EvtxBinXml::ApplyData(const Plan& plan, const std::vector<Value>* values,
                           EvtxFields& fields) const {
  for (const DataSource& item : plan.Data) {
    if (fields.Data.size() >= kMaxDataItems) {
      return;  // however many nested streams a damaged record holds
    }
    const Value* value =
        values && item.Value.Substitution && *item.Value.Substitution < values->size()
            ? &(*values)[*item.Value.Substitution]
            : nullptr;
    if (value && value->Type == kUtf16Array) {
      // Classic sources log their strings as one array that stands for one element each.
      std::size_t begin = 0;
      const std::size_t units = value->Size / 2;
      for (std::size_t i = 0; i <= units && fields.Data.size() < kMaxDataItems; ++i) {
        if (i == units ? begin < units : m_chunk.U16(value->Offset + 2 * i) == 0) {
          fields.Data.push_back(
              {item.Name, Utf8Text(value->Offset + 2 * begin, i - begin), {}, {}});
          begin = i + 1;
        }
      }
      continue;
    }
    EvtxData& data = fields.Data.emplace_back();
    if (value) {
      data = DataValue(*value);
    } else if (item.Value.Literal) {
      data.Text = *item.Value.Literal;
      data.Number = DecimalNumber(data.Text);
    }
    data.Name = item.Name;
  }
}

void EvtxBinXml::ApplyValue(Field field, const Value& value, EvtxFields& fields) const {
  switch (field) {
    case Field::EventId:
    case Field::RecordId: {
      if (!IsInteger(value.Type) || value.Size == 0 || value.Size > 8) {
        return;
      }
      const auto number = m_chunk.Unsigned(value.Offset, value.Size, history::ByteOrder::Little);
      (field == Field::EventId ? fields.EventId : fields.RecordId) = number;
      return;
    }
    case Field::SystemTime:
      if (value.Type == kFiletime && value.Size == 8) {
        fields.SystemTime = m_chunk.Unsigned(value.Offset, 8, history::ByteOrder::Little);
      }
      return;
    case Field::Provider:
    case Field::Computer: {
      std::string& text = field == Field::Provider ? fields.Provider : fields.Computer;
      if (value.Type == kUtf16) {
        text = Text(value.Offset, value.Size / 2);
      } else if (value.Type == kAnsi) {
        text.clear();
        for (std::size_t i = 0; i < value.Size; ++i) {
          const std::uint8_t c = m_chunk.U8(value.Offset + i).value_or(0);
          if (c == 0) {
            break;
          }
          text.push_back(c < 0x80 ? static_cast<char>(c) : '?');
        }
      }
      return;
    }
    case Field::Binary:
      if (value.Type == kBinary) {
        if (const auto bytes = m_chunk.Bytes(value.Offset, value.Size)) {
          fields.Binary.assign(bytes->begin(), bytes->end());
        }
      }
      return;
    case Field::UserId:
    case Field::UserSid: {
      // Revision, sub-authority count, 6-byte authority, then 4 bytes per sub-authority.
      const auto subAuthorities = m_chunk.U8(value.Offset + 1);
      const auto bytes = m_chunk.Bytes(value.Offset, value.Size);
      if (value.Type != kSid || value.Size < 8 || !subAuthorities || !bytes ||
          8 + 4 * static_cast<std::size_t>(*subAuthorities) != value.Size) {
        return;
      }
      (field == Field::UserId ? fields.UserId : fields.UserSid)
          .assign(bytes->begin(), bytes->end());
      return;
    }
  }
}

void EvtxBinXml::ApplyLiteral(Field field, const std::string& text, EvtxFields& fields) {
  if (field == Field::Provider || field == Field::Computer) {
    (field == Field::Provider ? fields.Provider : fields.Computer) = text;
    return;
  }
  if (field != Field::EventId && field != Field::RecordId) {
    return;  // times, SIDs and binary data are only taken from typed values
  }
  if (const auto number = DecimalNumber(text)) {
    (field == Field::EventId ? fields.EventId : fields.RecordId) = *number;
  }
}

}  // namespace orvanta::sources
