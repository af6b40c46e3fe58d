#!/usr/bin/env node
// Makes data/world-map.txt, the lines of the map on which a site is picked:
// the coastlines and the borders between countries of Natural Earth's
// 1:50m Admin 0 countries (public domain, https://www.naturalearthdata.com/).
//
// Source, from npm: world-atlas 2.0.2, countries-50m.json (Natural Earth
// 4.1.0 as TopoJSON: arcs shared between countries, quantized on a grid of
// 100,000 by 100,000 steps, each point after the first given as its step
// from the one before).
//
// Run it again (needs node and the network once, never the build):
//   mkdir /tmp/gaz && cd /tmp/gaz && npm init -y && npm install world-atlas@2.0.2
//   node /path/to/tilvex/data/sources/convert-world-map.js \
//        /tmp/gaz/node_modules/world-atlas/countries-50m.json /path/to/tilvex/data/world-map.txt
//
// Each arc of the outline of the land becomes a coastline, each arc that two
// countries share a border.  The straight cuts that close the land along the
// antimeridian and along the bottom edge of Antarctica are no coasts and are
// left out, and a line that steps across the antimeridian is split there, so
// that no step of a line spans more than half the world.  The file is ASCII text, lines ending in "\n":
//   tilvex-world-map 1
//   # comment lines
//   grid SX SY TX TY          a point (x, y) on the grid lies at longitude
//                             TX + x * SX and latitude TY + y * SY (degrees,
//                             East and North positive)
//   lines N
//   N lines: "C" (coastline) or "B" (border), the number of points, the
//            first point's x and y, then each further point as its step
//            from the one before (dx dy), all whole numbers
// src/core/sites/WorldMap.cpp reads the file.
'use strict';
const fs = require('fs');

const [input, output] = process.argv.slice(2);
if (!input || !output) {
    console.error('usage: convert-world-map.js countries-50m.json OUTPUT.txt');
    process.exit(2);
}
const topology = JSON.parse(fs.readFileSync(input, 'utf8'));
const { scale, translate } = topology.transform;

// The arcs as absolute grid points.
const arcs = topology.arcs.map((arc) => {
    let x = 0, y = 0;
    return arc.map(([dx, dy]) => [x += dx, y += dy]);
});

function arcIndexes(geometry, into) {
    const walk = (a) => (Array.isArray(a) ? a.forEach(walk) : into.add(a < 0 ? ~a : a));
    if (geometry.type === 'GeometryCollection') geometry.geometries.forEach((g) => arcIndexes(g, into));
    else if (geometry.arcs) walk(geometry.arcs);
    return into;
}
const coast = arcIndexes(topology.objects.land, new Set());
const users = new Array(arcs.length).fill(0);
for (const country of topology.objects.countries.geometries)
    for (const i of arcIndexes(country, new Set())) users[i]++;

// Where the grid meets the edges of the world.
const east = Math.round((180 - translate[0]) / scale[0]);
const west = Math.round((-180 - translate[0]) / scale[0]);
const south = Math.round((-90 - translate[1]) / scale[1]);
const near = (a, b) => Math.abs(a - b) <= 1;
const cut = (p, q) => (near(p[0], east) && near(q[0], east)) || (near(p[0], west) && near(q[0], west))
                      || (near(p[1], south) && near(q[1], south)) || Math.abs(p[0] - q[0]) > (east - west) / 2;

const lines = [];
const counts = { C: 0, B: 0 };
arcs.forEach((arc, i) => {
    const kind = coast.has(i) ? 'C' : users[i] >= 2 ? 'B' : null;
    if (!kind) return;
    let part = [arc[0]];
    const flush = () => {
        if (part.length >= 2) {
            const steps = [part[0][0], part[0][1]];
            for (let k = 1; k < part.length; k++)
                steps.push(part[k][0] - part[k - 1][0], part[k][1] - part[k - 1][1]);
            lines.push(`${kind} ${part.length} ${steps.join(' ')}`);
            counts[kind]++;
        }
    };
    for (let k = 1; k < arc.length; k++) {
        if (cut(arc[k - 1], arc[k])) {
            flush();
            part = [arc[k]];
        } else {
            part.push(arc[k]);
        }
    }
    flush();
});

const text = [
    'tilvex-world-map 1',
    '# Coastlines and borders of Natural Earth (https://www.naturalearthdata.com/) 1:50m Admin 0 countries, public domain.',
    '# Made by data/sources/convert-world-map.js from world-atlas 2.0.2 (countries-50m.json); not edited by hand.',
    `grid ${scale[0]} ${scale[1]} ${translate[0]} ${translate[1]}`,
    `lines ${lines.length}`,
    ...lines,
].join('\n') + '\n';
fs.writeFileSync(output, text);
console.log(`${output}: ${counts.C} coastlines, ${counts.B} borders`);
