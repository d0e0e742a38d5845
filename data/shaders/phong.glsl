// Per-pixel Phong lighting, fragment shader.
#version 330 core

in vec3 vNormal;
in vec2 vUv;
out vec4 fragColor;

uniform sampler2D uDiffuseMap;
uniform vec3 uLightDirection;
uniform vec4 uDiffuseColor;
uniform float uSpecularPower;

void main()
{
    vec3 n = normalize(vNormal);
    vec3 r = reflect(-uLightDirection, n);
    float diffuse = clamp(dot(n, uLightDirection), 0.0, 1.0);
    float specular = pow(max(r.z, 0.0), uSpecularPower); /* view along z */
    fragColor = texture(uDiffuseMap, vUv) * uDiffuseColor * diffuse + vec4(specular);
}
