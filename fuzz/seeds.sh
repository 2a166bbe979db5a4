#!/usr/bin/env bash
# Writes the seed corpus of every fuzz target into OUTDIR/<target>/, from the
# bundled sample tree. Targets that read several files take them joined by
# NUL bytes, in the order the target splits them.
set -euo pipefail
out=${1:?usage: fuzz/seeds.sh OUTDIR}
tree="$(dirname "$0")/../examples/config/xml"

seed() { # target files...
    local target=$1; shift
    mkdir -p "$out/$target"
    local file
    for file in "$@"; do
        [ -f "$file" ] && cp "$file" "$out/$target/$(basename "$(dirname "$file")")_$(basename "$file")"
    done
}
joined() { # target name files...
    local target=$1 name=$2; shift 2
    mkdir -p "$out/$target"
    local first=1 file
    { for file in "$@"; do
          [ $first -eq 1 ] || printf '\0'
          first=0
          cat "$file"
      done; } >"$out/$target/$name"
}

seed fuzz_devicelist "$tree/device_list.xml"
seed fuzz_devicedescr "$tree"/*/device_description.xml
seed fuzz_deviceconfig "$tree"/*/device_config.xml
seed fuzz_paramdef "$tree"/*/param_definition.xml
seed fuzz_paramcmdmapping "$tree"/*/param_cmd_mapping.xml
seed fuzz_radiopardef "$tree"/*/radio_par_definitions.xml
seed fuzz_rfcmddef "$tree"/*/rf_command_definitions.xml
seed fuzz_rfoverridedef "$tree"/*/overrides/override_*.xml
seed fuzz_pasettings "$tree"/*/pa/pasettings*.xml
seed fuzz_frontendsettings "$tree"/*/frontend_settings.xml
seed fuzz_packet "$tree"/packet/*.xml
seed fuzz_codegen "$tree"/*/codegen.xml
seed fuzz_devicedef "$tree"/*/device_definition.xml
seed fuzz_iopindef "$tree"/*/io_pins.xml
seed fuzz_ioregisterdef "$tree"/*/io_registers.xml
seed fuzz_uitranslation "$tree/ui_translation.xml"
seed fuzz_elementtree "$tree"/*/settings/*.xml "$tree"/*/settings/tf/*.xml "$tree"/*/pa/*.xml "$tree"/*/*.xml
s="$tree/vo4725/settings"
for setting in "$s"/prop_*.xml; do
    for tf in "$s"/tf/*.xml; do
        joined fuzz_rfcmdsettings "$(basename "$setting" .xml)_$(basename "$tf")" "$s/categories.xml" "$setting" "$tf"
    done
done
for target in "$tree"/targets/*_*.xml; do
    joined fuzz_targetdef "$(basename "$target")" "$tree/targets/targets.xml" "$target"
done
mkdir -p "$out/fuzz_family"
printf 'VO4767W_2G4_PG2.1\0PROP-F' >"$out/fuzz_family/tundra"
printf 'VO8395_BLE\0BLE' >"$out/fuzz_family/ble"
printf 'VO4725\0' >"$out/fuzz_family/plain"

# The broken inputs the hostile-input tests use, small enough to mutate:
# not well-formed, truncated, entities (expanding, markup written as character
# references, external), bytes that are not UTF-8, deeper nesting than the
# loader takes, UTF-16 with and without a byte-order mark. Each target also
# gets its own sample file in UTF-16.
for dir in "$out"/fuzz_*; do
    printf '<Root><a></b></Root>' >"$dir/broken_mismatched"
    printf '<Root><a name="x' >"$dir/broken_truncated"
    printf '<!DOCTYPE r [<!ENTITY a "aaaaaaaaaa"><!ENTITY b "&a;&a;&a;&a;">]><r>&b;&b;</r>' >"$dir/broken_entity"
    printf '<Root name="\377\376\303(">\200\201</Root>' >"$dir/broken_not_utf8"
    printf '<!DOCTYPE r [<!ENTITY e "&#60;a&#62;&#60;a&#62;">]><r>&e;&e;</r>' >"$dir/broken_entity_markup"
    printf '<!DOCTYPE r [<!ENTITY x SYSTEM "file:///etc/hostname">]><r>&x;</r>' >"$dir/broken_entity_external"
    python3 -c 'import sys; sys.stdout.write("<a>" * 1001 + "</a>" * 1001)' >"$dir/broken_deep"
    python3 -c 'import sys; sys.stdout.buffer.write(("<r>" + "<a x=\"1\">t</a>" * 20 + "</r>").encode("utf-16"))' \
        >"$dir/utf16_flat"
    python3 -c 'import sys; sys.stdout.buffer.write(("<a>" * 1001 + "</a>" * 1001).encode("utf-16-be"))' \
        >"$dir/utf16_deep"
    sample=$(ls "$dir" | grep -v -e '^broken_' -e '^utf16_' | head -n 1)
    if [ -n "$sample" ] && [ "$(basename "$dir")" != fuzz_family ] && ! grep -qa -P '\x00' "$dir/$sample"; then
        python3 -c 'import sys; text = open(sys.argv[1], "rb").read().decode("utf-8")
sys.stdout.buffer.write(text.replace("encoding=\"UTF-8\"", "encoding=\"UTF-16\"").encode("utf-16"))' \
            "$dir/$sample" >"$dir/utf16_sample"
    fi
done

# Element and attribute names of the sample tree, for mutations that keep
# the vocabulary of the readers, and the markup the loader refuses or decodes.
{ { grep -rhoE '<[A-Za-z_][A-Za-z0-9_]*' "$tree" | sed 's/^<//'
    grep -rhoE ' [A-Za-z_]+="' "$tree" | sed 's/^ //; s/="$//'; } | sort -u | sed 's/.*/"&"/'
  printf '"%s"\n' '<!DOCTYPE' '<!ENTITY' '&#60;' '&#62;' 'SYSTEM' 'PUBLIC' '<?xml' 'encoding=' \
      'UTF-16' 'ISO-8859-1' ']>' '%'; } >"$out/xml.dict"
