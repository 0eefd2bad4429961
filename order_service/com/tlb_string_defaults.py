#!/usr/bin/env python3
"""Turns the by-value BSTR parameters with a text default in a widl type library
into [in, out] BSTR* parameters, keeping their defaults.

widl refuses a text default on a BSTR* parameter, so KVX.idl declares those
parameters by value in its type library pass. This rewrites each such
parameter's type to the library's own "pointer to BSTR" type description and
adds the out flag, and fails unless exactly the expected number was rewritten.

Usage: tlb_string_defaults.py IN.tlb OUT.tlb EXPECTED_COUNT
"""
import struct
import sys

MSFT_MAGIC = 0x5446534D
HEADER_SIZE = 0x54
HELPSTRINGDLL_FLAG = 0x100
SEGMENT_COUNT = 15
TYPEINFO_SIZE = 0x64
SEG_TYPEINFO = 0
SEG_TYPEDESC = 9
VT_BSTR = 8
VT_PTR = 26
BSTR_BY_VALUE = 0x80000000 | (VT_BSTR << 16) | VT_BSTR  # an inline type description
PARAMFLAG_FOUT = 0x2
PARAMFLAG_FHASDEFAULT = 0x20
PARAM_INFO_SIZE = 12
# The reconstituted FUNCDESC grows by one TYPEDESC for the pointer.
TYPEDESC_SIZE = 16


def fail(message):
    sys.exit("tlb_string_defaults: " + message)


def int_at(data, offset):
    return struct.unpack_from("<i", data, offset)[0]


def segments(data):
    varflags = int_at(data, 0x14)
    typeinfo_count = int_at(data, 0x20)
    directory = HEADER_SIZE + (4 if varflags & HELPSTRINGDLL_FLAG else 0) + 4 * typeinfo_count
    return [struct.unpack_from("<ii", data, directory + 16 * i) for i in range(SEGMENT_COUNT)], typeinfo_count


def bstr_pointer_typedesc(data, typedesc_segment):
    offset, length = typedesc_segment
    for entry in range(0, length, 8):
        first, target = struct.unpack_from("<iI", data, offset + entry)
        if first & 0xFFFF == VT_PTR and target == BSTR_BY_VALUE:
            return entry
    fail("the type library has no BSTR* type description to point at")


def rewrite(data):
    if int_at(data, 0) != MSFT_MAGIC:
        fail("not an MSFT type library")
    segs, typeinfo_count = segments(data)
    pointer_type = bstr_pointer_typedesc(data, segs[SEG_TYPEDESC])
    rewritten = 0
    for index in range(typeinfo_count):
        base = segs[SEG_TYPEINFO][0] + index * TYPEINFO_SIZE
        memoffset = int_at(data, base + 4)
        function_count = int_at(data, base + 0x18) & 0xFFFF
        if function_count == 0 or memoffset >= len(data):
            continue
        record = memoffset + 4  # past the block's total length
        for _ in range(function_count):
            record_size = int_at(data, record) & 0xFFFF
            arg_count = struct.unpack_from("<h", data, record + 20)[0]
            first_param = record + record_size - arg_count * PARAM_INFO_SIZE
            for arg in range(arg_count):
                param = first_param + arg * PARAM_INFO_SIZE
                datatype, _, flags = struct.unpack_from("<Iii", data, param)
                if datatype == BSTR_BY_VALUE and flags & PARAMFLAG_FHASDEFAULT:
                    struct.pack_into("<i", data, param + 8, flags | PARAMFLAG_FOUT)
                    struct.pack_into("<i", data, param, pointer_type)
                    descsize = struct.unpack_from("<h", data, record + 14)[0]
                    struct.pack_into("<h", data, record + 14, descsize + TYPEDESC_SIZE)
                    rewritten += 1
            record += record_size
    return rewritten


def main():
    if len(sys.argv) != 4:
        fail("usage: tlb_string_defaults.py IN.tlb OUT.tlb EXPECTED_COUNT")
    with open(sys.argv[1], "rb") as f:
        data = bytearray(f.read())
    count = rewrite(data)
    if count != int(sys.argv[3]):
        fail("rewrote %d parameters, expected %s" % (count, sys.argv[3]))
    with open(sys.argv[2], "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
