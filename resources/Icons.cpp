#include "resources/Icons.h"

const IconResource& documentIcon()
{
    static const IconResource icon{
        {{
            "                ",
            " kkkkkkkkkkkkkk ",
            " kwwwwwwgwwwwwk ",
            " kwwwwwwgwwrrwk ",
            " kwwbbwwgwrrrwk ",
            " kwbbbbwgwwrrwk ",
            " kwwbbwwgwwwwwk ",
            " kggggggggggggk ",
            " kwwwwwwgwwwwwk ",
            " kwyywwwgwwwwwk ",
            " kwyyyywgwbbbwk ",
            " kwwyywwgwbbbwk ",
            " kwwwwwwgwwwwwk ",
            " kwwwwwwgwwwwwk ",
            " kkkkkkkkkkkkkk ",
            "                ",
        }},
        {{{'k', 0x00303030},
          {'w', 0x00FFFFFF},
          {'g', 0x00C0C0C0},
          {'r', 0x003030E0},
          {'b', 0x00E08030},
          {'y', 0x0030C0F0}}},
    };
    return icon;
}
