#include "encoding/file_code.h"

namespace kelp {

const std::array<std::u16string_view, kFileCodeCount> CodeNames = {
    u"",    u"S-JIS", u"Unicode",      u"Big Endian", u"UTF8(BOM)", u"UTF7",   u"UTF8", u"EUC",
    u"JIS", u"ASCII", u"キリル(1251)", u"BIG5",       u"GB2312",    u"EUC-KR", u"",
};

const std::array<std::u16string_view, kDialogCodeCount> CodeDialogNames = {
    u"自動選択",          u"シフトJIS",   u"Unicode",      u"Unicode(Big Endian)",
    u"UTF-8(BOM)",        u"UTF-7",       u"UTF-8",        u"EUC",
    u"JIS(ISO-2022-JP)",  u"ASCII",       u"キリル(1251)", u"繁体字中国語(950)",
    u"簡体字中国語(936)", u"韓国語(949)",
};

}  // namespace kelp
