// The GEDCOM benchmark's peer: read-gedcom on node reads the file and walks
// the same ancestors kinloom-chart fills a chart with, naming each with the
// years of birth and death.
// Usage: node walk.js FILE.ged PERSON_ID GENERATIONS
'use strict';
const fs = require('fs');
const { readGedcom } = require('read-gedcom');

const [file, rootId, generationsText] = process.argv.slice(2);
const bytes = fs.readFileSync(file);
const gedcom = readGedcom(bytes.buffer.slice(bytes.byteOffset, bytes.byteOffset + bytes.byteLength));

const yearOf = (event) => {
  const dates = event.getDate().valueAsDate();
  const date = dates.length > 0 ? dates[0] : null;
  return date && date.date && date.date.year ? String(date.date.year.value) : '';
};

const labels = [];
let generation = [gedcom.getIndividualRecord(`@${rootId}@`)];
for (let g = 0; g < Number(generationsText); ++g) {
  const parents = [];
  for (const person of generation) {
    if (person.length === 0) {
      labels.push('');
      parents.push(person, person);
      continue;
    }
    const names = person.getName().value();
    labels.push(`${(names[0] || '').replace(/\//g, '')} (${yearOf(person.getEventBirth())}-${yearOf(person.getEventDeath())})`);
    const family = person.getFamilyAsChild();
    parents.push(family.getHusband().getIndividualRecord(), family.getWife().getIndividualRecord());
  }
  generation = parents;
}
process.stdout.write(labels.join('\n') + '\n');
