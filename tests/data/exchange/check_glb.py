# The structural rules of binary glTF 2.0 that the GLB writer must keep: the header and
# chunk framing, strict UTF-8 JSON, no empty arrays, aligned views and accessors inside
# their buffer, POSITION bounds that are the data's, indices inside the positions, and
# references that resolve. Prints the node names as JSON; exits non-zero on a broken rule.
import json
import struct
import sys

data = open(sys.argv[1], 'rb').read()
magic, version, length = struct.unpack_from('<III', data)
assert magic == 0x46546C67 and version == 2 and length == len(data), 'header'
json_length, kind = struct.unpack_from('<II', data, 12)
assert kind == 0x4E4F534A and json_length % 4 == 0, 'JSON chunk'
gltf = json.loads(data[20:20 + json_length].decode('utf-8'))
rest = data[20 + json_length:]
binary = b''
if rest:
    bin_length, kind = struct.unpack_from('<II', rest)
    assert kind == 0x004E4942 and bin_length % 4 == 0 and len(rest) == 8 + bin_length, 'BIN'
    binary = rest[8:]
assert gltf['asset']['version'] == '2.0'
assert all(len(v) > 0 for v in gltf.values() if isinstance(v, list)), 'an empty array'
buffers = gltf.get('buffers', [])
assert len(buffers) == (1 if binary else 0)
if buffers:
    assert len(binary) - 3 <= buffers[0]['byteLength'] <= len(binary), 'buffer length'
views = gltf.get('bufferViews', [])
for v in views:
    assert v['byteOffset'] % 4 == 0
    assert v['byteOffset'] + v['byteLength'] <= buffers[v['buffer']]['byteLength']
accessors = gltf.get('accessors', [])
sizes = {('VEC3', 5126): 12, ('SCALAR', 5125): 4}
for a in accessors:
    offset = views[a['bufferView']]['byteOffset'] + a.get('byteOffset', 0)
    assert offset % 4 == 0
    assert a.get('byteOffset', 0) + a['count'] * sizes[a['type'], a['componentType']] <= \
        views[a['bufferView']]['byteLength']
    if a['type'] == 'VEC3':
        xyz = struct.unpack_from('<%df' % (3 * a['count']), binary, offset)
        as_float = lambda x: struct.unpack('<f', struct.pack('<f', x))[0]
        for axis in range(3):
            assert as_float(a['min'][axis]) == min(xyz[axis::3]), 'min'
            assert as_float(a['max'][axis]) == max(xyz[axis::3]), 'max'
for mesh in gltf.get('meshes', []):
    for p in mesh['primitives']:
        positions = accessors[p['attributes']['POSITION']]
        indices = accessors[p['indices']]
        assert positions['type'] == 'VEC3' and indices['componentType'] == 5125
        assert p['mode'] == 4 and indices['count'] % 3 == 0
        assert 0 <= p['material'] < len(gltf['materials'])
        offset = views[indices['bufferView']]['byteOffset']
        assert max(struct.unpack_from('<%dI' % indices['count'], binary, offset)) < \
            positions['count']
nodes = gltf['nodes']
for k in gltf['scenes'][gltf['scene']]['nodes'] + [c for n in nodes for c in n.get('children', [])]:
    assert 0 <= k < len(nodes)
for n in nodes:
    assert 'mesh' not in n or n['mesh'] < len(gltf['meshes'])
print(json.dumps([n['name'] for n in nodes]))
