#!/usr/bin/perl
# The peer of kinloom-chart --gedcom: Debian's Gedcom module reads the whole
# file and walks the root's ancestors over the same generations, making the
# same "Name (birth–death)" text for each.
# Usage: gedcom_walk.pl FILE.ged ROOT_ID GENERATIONS
use strict;
use warnings;
use Gedcom;

my ($file, $root, $generations) = @ARGV;
my $ged = Gedcom->new(gedcom_file => $file, grammar_version => "5.5", read_only => 0);
my @boxes = (undef, $ged->get_individual($root));
my $filled = 0;
for my $n (1 .. (1 << $generations) - 1) {
    my $person = $boxes[$n] or next;
    my $name = $person->name // "";
    $name =~ s{/}{}g;
    my $birth = $person->get_value("birth date") // "";
    my $death = $person->get_value("death date") // "";
    my ($b) = $birth =~ /(\d{3,4})\s*$/;
    my ($d) = $death =~ /(\d{3,4})\s*$/;
    my $text = join(" ", split(" ", $name)) . " (" . ($b // "") . "\x{2013}" . ($d // "") . ")";
    $filled++ if length $text;
    next if 2 * $n >= (1 << $generations);
    $boxes[2 * $n] = $person->father;
    $boxes[2 * $n + 1] = $person->mother;
}
print "$filled boxes\n";
