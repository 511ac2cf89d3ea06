#include "keyloom/state/EmojiNameOverrides.h"

#include <array>

namespace keyloom {

namespace {

// Names for emojis whose Unicode name says little: flags are named by what
// they stand for, not by their first scalar. Each emoji appears once.
constexpr std::array<EmojiNameOverride, 270> overrides{{
    // Named flags.
    {"🏁", "Chequered Flag"},
    {"🚩", "Triangular Flag"},
    {"🎌", "Crossed Flags"},
    {"🏴", "Black Flag"},
    {"🏳\uFE0F", "White Flag"},
    {"🏳\uFE0F\u200D🌈", "Rainbow Flag"},
    {"🏳\uFE0F\u200D⚧\uFE0F", "Transgender Flag"},
    {"🏴\u200D☠\uFE0F", "Pirate Flag"},
    // Region flags: "Flag - " and the region's English name (CLDR 42).
    {"🇦🇨", "Flag - Ascension Island"},  // AC
    {"🇦🇩", "Flag - Andorra"},  // AD
    {"🇦🇪", "Flag - United Arab Emirates"},  // AE
    {"🇦🇫", "Flag - Afghanistan"},  // AF
    {"🇦🇬", "Flag - Antigua & Barbuda"},  // AG
    {"🇦🇮", "Flag - Anguilla"},  // AI
    {"🇦🇱", "Flag - Albania"},  // AL
    {"🇦🇲", "Flag - Armenia"},  // AM
    {"🇦🇴", "Flag - Angola"},  // AO
    {"🇦🇶", "Flag - Antarctica"},  // AQ
    {"🇦🇷", "Flag - Argentina"},  // AR
    {"🇦🇸", "Flag - American Samoa"},  // AS
    {"🇦🇹", "Flag - Austria"},  // AT
    {"🇦🇺", "Flag - Australia"},  // AU
    {"🇦🇼", "Flag - Aruba"},  // AW
    {"🇦🇽", "Flag - Åland Islands"},  // AX
    {"🇦🇿", "Flag - Azerbaijan"},  // AZ
    {"🇧🇦", "Flag - Bosnia & Herzegovina"},  // BA
    {"🇧🇧", "Flag - Barbados"},  // BB
    {"🇧🇩", "Flag - Bangladesh"},  // BD
    {"🇧🇪", "Flag - Belgium"},  // BE
    {"🇧🇫", "Flag - Burkina Faso"},  // BF
    {"🇧🇬", "Flag - Bulgaria"},  // BG
    {"🇧🇭", "Flag - Bahrain"},  // BH
    {"🇧🇮", "Flag - Burundi"},  // BI
    {"🇧🇯", "Flag - Benin"},  // BJ
    {"🇧🇱", "Flag - St. Barthélemy"},  // BL
    {"🇧🇲", "Flag - Bermuda"},  // BM
    {"🇧🇳", "Flag - Brunei"},  // BN
    {"🇧🇴", "Flag - Bolivia"},  // BO
    {"🇧🇶", "Flag - Caribbean Netherlands"},  // BQ
    {"🇧🇷", "Flag - Brazil"},  // BR
    {"🇧🇸", "Flag - Bahamas"},  // BS
    {"🇧🇹", "Flag - Bhutan"},  // BT
    {"🇧🇻", "Flag - Bouvet Island"},  // BV
    {"🇧🇼", "Flag - Botswana"},  // BW
    {"🇧🇾", "Flag - Belarus"},  // BY
    {"🇧🇿", "Flag - Belize"},  // BZ
    {"🇨🇦", "Flag - Canada"},  // CA
    {"🇨🇨", "Flag - Cocos (Keeling) Islands"},  // CC
    {"🇨🇩", "Flag - Congo - Kinshasa"},  // CD
    {"🇨🇫", "Flag - Central African Republic"},  // CF
    {"🇨🇬", "Flag - Congo - Brazzaville"},  // CG
    {"🇨🇭", "Flag - Switzerland"},  // CH
    {"🇨🇮", "Flag - Côte d’Ivoire"},  // CI
    {"🇨🇰", "Flag - Cook Islands"},  // CK
    {"🇨🇱", "Flag - Chile"},  // CL
    {"🇨🇲", "Flag - Cameroon"},  // CM
    {"🇨🇳", "Flag - China"},  // CN
    {"🇨🇴", "Flag - Colombia"},  // CO
    {"🇨🇵", "Flag - Clipperton Island"},  // CP
    {"🇨🇷", "Flag - Costa Rica"},  // CR
    {"🇨🇺", "Flag - Cuba"},  // CU
    {"🇨🇻", "Flag - Cape Verde"},  // CV
    {"🇨🇼", "Flag - Curaçao"},  // CW
    {"🇨🇽", "Flag - Christmas Island"},  // CX
    {"🇨🇾", "Flag - Cyprus"},  // CY
    {"🇨🇿", "Flag - Czechia"},  // CZ
    {"🇩🇪", "Flag - Germany"},  // DE
    {"🇩🇬", "Flag - Diego Garcia"},  // DG
    {"🇩🇯", "Flag - Djibouti"},  // DJ
    {"🇩🇰", "Flag - Denmark"},  // DK
    {"🇩🇲", "Flag - Dominica"},  // DM
    {"🇩🇴", "Flag - Dominican Republic"},  // DO
    {"🇩🇿", "Flag - Algeria"},  // DZ
    {"🇪🇦", "Flag - Ceuta & Melilla"},  // EA
    {"🇪🇨", "Flag - Ecuador"},  // EC
    {"🇪🇪", "Flag - Estonia"},  // EE
    {"🇪🇬", "Flag - Egypt"},  // EG
    {"🇪🇭", "Flag - Western Sahara"},  // EH
    {"🇪🇷", "Flag - Eritrea"},  // ER
    {"🇪🇸", "Flag - Spain"},  // ES
    {"🇪🇹", "Flag - Ethiopia"},  // ET
    {"🇪🇺", "Flag - European Union"},  // EU
    {"🇫🇮", "Flag - Finland"},  // FI
    {"🇫🇯", "Flag - Fiji"},  // FJ
    {"🇫🇰", "Flag - Falkland Islands"},  // FK
    {"🇫🇲", "Flag - Micronesia"},  // FM
    {"🇫🇴", "Flag - Faroe Islands"},  // FO
    {"🇫🇷", "Flag - France"},  // FR
    {"🇬🇦", "Flag - Gabon"},  // GA
    {"🇬🇧", "Flag - United Kingdom"},  // GB
    {"🇬🇩", "Flag - Grenada"},  // GD
    {"🇬🇪", "Flag - Georgia"},  // GE
    {"🇬🇫", "Flag - French Guiana"},  // GF
    {"🇬🇬", "Flag - Guernsey"},  // GG
    {"🇬🇭", "Flag - Ghana"},  // GH
    {"🇬🇮", "Flag - Gibraltar"},  // GI
    {"🇬🇱", "Flag - Greenland"},  // GL
    {"🇬🇲", "Flag - Gambia"},  // GM
    {"🇬🇳", "Flag - Guinea"},  // GN
    {"🇬🇵", "Flag - Guadeloupe"},  // GP
    {"🇬🇶", "Flag - Equatorial Guinea"},  // GQ
    {"🇬🇷", "Flag - Greece"},  // GR
    {"🇬🇸", "Flag - South Georgia & South Sandwich Islands"},  // GS
    {"🇬🇹", "Flag - Guatemala"},  // GT
    {"🇬🇺", "Flag - Guam"},  // GU
    {"🇬🇼", "Flag - Guinea-Bissau"},  // GW
    {"🇬🇾", "Flag - Guyana"},  // GY
    {"🇭🇰", "Flag - Hong Kong SAR China"},  // HK
    {"🇭🇲", "Flag - Heard & McDonald Islands"},  // HM
    {"🇭🇳", "Flag - Honduras"},  // HN
    {"🇭🇷", "Flag - Croatia"},  // HR
    {"🇭🇹", "Flag - Haiti"},  // HT
    {"🇭🇺", "Flag - Hungary"},  // HU
    {"🇮🇨", "Flag - Canary Islands"},  // IC
    {"🇮🇩", "Flag - Indonesia"},  // ID
    {"🇮🇪", "Flag - Ireland"},  // IE
    {"🇮🇱", "Flag - Israel"},  // IL
    {"🇮🇲", "Flag - Isle of Man"},  // IM
    {"🇮🇳", "Flag - India"},  // IN
    {"🇮🇴", "Flag - British Indian Ocean Territory"},  // IO
    {"🇮🇶", "Flag - Iraq"},  // IQ
    {"🇮🇷", "Flag - Iran"},  // IR
    {"🇮🇸", "Flag - Iceland"},  // IS
    {"🇮🇹", "Flag - Italy"},  // IT
    {"🇯🇪", "Flag - Jersey"},  // JE
    {"🇯🇲", "Flag - Jamaica"},  // JM
    {"🇯🇴", "Flag - Jordan"},  // JO
    {"🇯🇵", "Flag - Japan"},  // JP
    {"🇰🇪", "Flag - Kenya"},  // KE
    {"🇰🇬", "Flag - Kyrgyzstan"},  // KG
    {"🇰🇭", "Flag - Cambodia"},  // KH
    {"🇰🇮", "Flag - Kiribati"},  // KI
    {"🇰🇲", "Flag - Comoros"},  // KM
    {"🇰🇳", "Flag - St. Kitts & Nevis"},  // KN
    {"🇰🇵", "Flag - North Korea"},  // KP
    {"🇰🇷", "Flag - South Korea"},  // KR
    {"🇰🇼", "Flag - Kuwait"},  // KW
    {"🇰🇾", "Flag - Cayman Islands"},  // KY
    {"🇰🇿", "Flag - Kazakhstan"},  // KZ
    {"🇱🇦", "Flag - Laos"},  // LA
    {"🇱🇧", "Flag - Lebanon"},  // LB
    {"🇱🇨", "Flag - St. Lucia"},  // LC
    {"🇱🇮", "Flag - Liechtenstein"},  // LI
    {"🇱🇰", "Flag - Sri Lanka"},  // LK
    {"🇱🇷", "Flag - Liberia"},  // LR
    {"🇱🇸", "Flag - Lesotho"},  // LS
    {"🇱🇹", "Flag - Lithuania"},  // LT
    {"🇱🇺", "Flag - Luxembourg"},  // LU
    {"🇱🇻", "Flag - Latvia"},  // LV
    {"🇱🇾", "Flag - Libya"},  // LY
    {"🇲🇦", "Flag - Morocco"},  // MA
    {"🇲🇨", "Flag - Monaco"},  // MC
    {"🇲🇩", "Flag - Moldova"},  // MD
    {"🇲🇪", "Flag - Montenegro"},  // ME
    {"🇲🇫", "Flag - St. Martin"},  // MF
    {"🇲🇬", "Flag - Madagascar"},  // MG
    {"🇲🇭", "Flag - Marshall Islands"},  // MH
    {"🇲🇰", "Flag - North Macedonia"},  // MK
    {"🇲🇱", "Flag - Mali"},  // ML
    {"🇲🇲", "Flag - Myanmar (Burma)"},  // MM
    {"🇲🇳", "Flag - Mongolia"},  // MN
    {"🇲🇴", "Flag - Macao SAR China"},  // MO
    {"🇲🇵", "Flag - Northern Mariana Islands"},  // MP
    {"🇲🇶", "Flag - Martinique"},  // MQ
    {"🇲🇷", "Flag - Mauritania"},  // MR
    {"🇲🇸", "Flag - Montserrat"},  // MS
    {"🇲🇹", "Flag - Malta"},  // MT
    {"🇲🇺", "Flag - Mauritius"},  // MU
    {"🇲🇻", "Flag - Maldives"},  // MV
    {"🇲🇼", "Flag - Malawi"},  // MW
    {"🇲🇽", "Flag - Mexico"},  // MX
    {"🇲🇾", "Flag - Malaysia"},  // MY
    {"🇲🇿", "Flag - Mozambique"},  // MZ
    {"🇳🇦", "Flag - Namibia"},  // NA
    {"🇳🇨", "Flag - New Caledonia"},  // NC
    {"🇳🇪", "Flag - Niger"},  // NE
    {"🇳🇫", "Flag - Norfolk Island"},  // NF
    {"🇳🇬", "Flag - Nigeria"},  // NG
    {"🇳🇮", "Flag - Nicaragua"},  // NI
    {"🇳🇱", "Flag - Netherlands"},  // NL
    {"🇳🇴", "Flag - Norway"},  // NO
    {"🇳🇵", "Flag - Nepal"},  // NP
    {"🇳🇷", "Flag - Nauru"},  // NR
    {"🇳🇺", "Flag - Niue"},  // NU
    {"🇳🇿", "Flag - New Zealand"},  // NZ
    {"🇴🇲", "Flag - Oman"},  // OM
    {"🇵🇦", "Flag - Panama"},  // PA
    {"🇵🇪", "Flag - Peru"},  // PE
    {"🇵🇫", "Flag - French Polynesia"},  // PF
    {"🇵🇬", "Flag - Papua New Guinea"},  // PG
    {"🇵🇭", "Flag - Philippines"},  // PH
    {"🇵🇰", "Flag - Pakistan"},  // PK
    {"🇵🇱", "Flag - Poland"},  // PL
    {"🇵🇲", "Flag - St. Pierre & Miquelon"},  // PM
    {"🇵🇳", "Flag - Pitcairn Islands"},  // PN
    {"🇵🇷", "Flag - Puerto Rico"},  // PR
    {"🇵🇸", "Flag - Palestinian Territories"},  // PS
    {"🇵🇹", "Flag - Portugal"},  // PT
    {"🇵🇼", "Flag - Palau"},  // PW
    {"🇵🇾", "Flag - Paraguay"},  // PY
    {"🇶🇦", "Flag - Qatar"},  // QA
    {"🇷🇪", "Flag - Réunion"},  // RE
    {"🇷🇴", "Flag - Romania"},  // RO
    {"🇷🇸", "Flag - Serbia"},  // RS
    {"🇷🇺", "Flag - Russia"},  // RU
    {"🇷🇼", "Flag - Rwanda"},  // RW
    {"🇸🇦", "Flag - Saudi Arabia"},  // SA
    {"🇸🇧", "Flag - Solomon Islands"},  // SB
    {"🇸🇨", "Flag - Seychelles"},  // SC
    {"🇸🇩", "Flag - Sudan"},  // SD
    {"🇸🇪", "Flag - Sweden"},  // SE
    {"🇸🇬", "Flag - Singapore"},  // SG
    {"🇸🇭", "Flag - St. Helena"},  // SH
    {"🇸🇮", "Flag - Slovenia"},  // SI
    {"🇸🇯", "Flag - Svalbard & Jan Mayen"},  // SJ
    {"🇸🇰", "Flag - Slovakia"},  // SK
    {"🇸🇱", "Flag - Sierra Leone"},  // SL
    {"🇸🇲", "Flag - San Marino"},  // SM
    {"🇸🇳", "Flag - Senegal"},  // SN
    {"🇸🇴", "Flag - Somalia"},  // SO
    {"🇸🇷", "Flag - Suriname"},  // SR
    {"🇸🇸", "Flag - South Sudan"},  // SS
    {"🇸🇹", "Flag - São Tomé & Príncipe"},  // ST
    {"🇸🇻", "Flag - El Salvador"},  // SV
    {"🇸🇽", "Flag - Sint Maarten"},  // SX
    {"🇸🇾", "Flag - Syria"},  // SY
    {"🇸🇿", "Flag - Eswatini"},  // SZ
    {"🇹🇦", "Flag - Tristan da Cunha"},  // TA
    {"🇹🇨", "Flag - Turks & Caicos Islands"},  // TC
    {"🇹🇩", "Flag - Chad"},  // TD
    {"🇹🇫", "Flag - French Southern Territories"},  // TF
    {"🇹🇬", "Flag - Togo"},  // TG
    {"🇹🇭", "Flag - Thailand"},  // TH
    {"🇹🇯", "Flag - Tajikistan"},  // TJ
    {"🇹🇰", "Flag - Tokelau"},  // TK
    {"🇹🇱", "Flag - Timor-Leste"},  // TL
    {"🇹🇲", "Flag - Turkmenistan"},  // TM
    {"🇹🇳", "Flag - Tunisia"},  // TN
    {"🇹🇴", "Flag - Tonga"},  // TO
    {"🇹🇷", "Flag - Turkey"},  // TR
    {"🇹🇹", "Flag - Trinidad & Tobago"},  // TT
    {"🇹🇻", "Flag - Tuvalu"},  // TV
    {"🇹🇼", "Flag - Taiwan"},  // TW
    {"🇹🇿", "Flag - Tanzania"},  // TZ
    {"🇺🇦", "Flag - Ukraine"},  // UA
    {"🇺🇬", "Flag - Uganda"},  // UG
    {"🇺🇲", "Flag - U.S. Outlying Islands"},  // UM
    {"🇺🇳", "Flag - United Nations"},  // UN
    {"🇺🇸", "Flag - United States"},  // US
    {"🇺🇾", "Flag - Uruguay"},  // UY
    {"🇺🇿", "Flag - Uzbekistan"},  // UZ
    {"🇻🇦", "Flag - Vatican City"},  // VA
    {"🇻🇨", "Flag - St. Vincent & Grenadines"},  // VC
    {"🇻🇪", "Flag - Venezuela"},  // VE
    {"🇻🇬", "Flag - British Virgin Islands"},  // VG
    {"🇻🇮", "Flag - U.S. Virgin Islands"},  // VI
    {"🇻🇳", "Flag - Vietnam"},  // VN
    {"🇻🇺", "Flag - Vanuatu"},  // VU
    {"🇼🇫", "Flag - Wallis & Futuna"},  // WF
    {"🇼🇸", "Flag - Samoa"},  // WS
    {"🇽🇰", "Flag - Kosovo"},  // XK
    {"🇾🇪", "Flag - Yemen"},  // YE
    {"🇾🇹", "Flag - Mayotte"},  // YT
    {"🇿🇦", "Flag - South Africa"},  // ZA
    {"🇿🇲", "Flag - Zambia"},  // ZM
    {"🇿🇼", "Flag - Zimbabwe"},  // ZW
    // Subdivision flags: black flag, tag letters, cancel tag.
    {"🏴\U000E0067\U000E0062\U000E0065\U000E006E\U000E0067\U000E007F", "Flag - England"},
    {"🏴\U000E0067\U000E0062\U000E0073\U000E0063\U000E0074\U000E007F", "Flag - Scotland"},
    {"🏴\U000E0067\U000E0062\U000E0077\U000E006C\U000E0073\U000E007F", "Flag - Wales"},
    {"🏴\U000E0075\U000E0073\U000E0074\U000E0078\U000E007F", "Flag for Texas (US-TX)"},
}};

}  // namespace

std::span<const EmojiNameOverride> emojiNameOverrideList() { return overrides; }

}  // namespace keyloom
