#pragma once

// The texts that name the maker, the author and places, kept together so they are changed in one go.
namespace credits {
inline constexpr char makerAddress[] = "https://www.tobbelwerk.example/";
inline constexpr char distributionHost[] = "www.tobbelwerk.example";
inline constexpr char schoolLine[] = "Ontwikkeld op basisschool De Rupsenhoeve te Tobbelum, 1996 - 2007";
inline constexpr char authorName[] = "J. Rupsma";
inline constexpr char portraitToolTip[] = "Joost";
inline constexpr char birth[] = "geb. Tobbelum, 14-3-1948";
inline constexpr char professions[] = "onderwijzer en schoolhoofd tot 2008";
inline constexpr char diploma[] = "onderwijsakte: Rupsenveen, 30-6-1969";
} // namespace credits
